#pragma once
// The document of the single window: it owns the test, the one that runs
// or the last one, kept after its end so that its record can be read. The
// verbs live in the global state; the view shows the test.
#include "base/HistoryRecorder.h"
#include "framework/Document.h"
#include "session/TestSession.h"
#include <memory>
#include <vector>

class CVerbsDoc : public CDocument {
public:
    BOOL OnNewDocument() override;

    // Starts a test on the eligible verbs (verb-table indices, ascending, at
    // least options.numWords of them) in place of the last one. Its answers
    // go to the answer history; with weak verbs first, that history (read
    // now) weighs the draw.
    TestSession& StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible);
    // The same with the questions the draw chooses.
    TestSession& StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible,
                           const QuestionDraw& draw);
    // The test that runs now, else null.
    TestSession* RunningTest() { return m_test && m_test->IsRunning() ? m_test.get() : nullptr; }
    const TestSession* RunningTest() const { return m_test && m_test->IsRunning() ? m_test.get() : nullptr; }
    // The running test or the last one; null before the first.
    const TestSession* LastTest() const { return m_test.get(); }
    // Ends the running test, if any.
    void EndTest();

    // True once per run after an answer could not be kept in the history.
    bool TakeHistoryFailure() { return m_recorder.TakeFailureToReport(); }

private:
    CHistoryRecorder m_recorder; // outlives the test, which points at it
    std::unique_ptr<TestSession> m_test;
};
