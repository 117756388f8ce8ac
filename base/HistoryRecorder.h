#pragma once
// Keeps every answer of the tests in the answer history as soon as the test
// has taken it (the test's answer listener): the line is in the file before
// the view shows the answer's result. A failed write is to be reported once
// per run; what was written before stays.
#include "data/AnswerHistoryFile.h"
#include "session/TestRecord.h"
#include <memory>

class CHistoryRecorder : public AnswerListener {
public:
    void OnAnswerRecorded(const TestSession& session, const AnswerRecord& answer) override;

    // True once per run, for the first failed write not yet reported; the
    // caller reports it (ReportHistoryWriteFailure).
    bool TakeFailureToReport();

    // The entry kept of an answer taken at the given local time.
    static HistoryEntry EntryOf(const AnswerRecord& answer, const SYSTEMTIME& now);

    // Forgets that a failure was reported in this run (tests).
    static void ResetReportedFailure();

private:
    std::unique_ptr<AnswerHistoryFile> m_file; // opened at the first answer
    bool m_failurePending = false;
};

// Says, in the interface language, that the history could not be written.
void ReportHistoryWriteFailure();
