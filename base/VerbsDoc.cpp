#include "base/VerbsDoc.h"
#include "base/HistoryReading.h"
#include "base/VerbsGlobals.h"
#include "session/WeakVerbsDraw.h"

BOOL CVerbsDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

TestSession& CVerbsDoc::StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible)
{
    EndTest();
    if (Globals().WeakVerbsFirst) {
        const WeakVerbsDraw draw(WeakVerbWeights(ReadAnswerHistory(HistoryTexts::WrongTyped), HistoryToday()));
        m_test = std::make_unique<TestSession>(verbs, options, eligible, draw);
    } else {
        m_test = std::make_unique<TestSession>(verbs, options, eligible);
    }
    m_test->SetAnswerListener(&m_recorder);
    return *m_test;
}

TestSession& CVerbsDoc::StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible,
                                  const QuestionDraw& draw)
{
    EndTest();
    m_test = std::make_unique<TestSession>(verbs, options, eligible, draw);
    m_test->SetAnswerListener(&m_recorder);
    return *m_test;
}

void CVerbsDoc::EndTest()
{
    if (m_test)
        m_test->End();
}
