#include "base/VerbsDoc.h"

BOOL CVerbsDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

TestSession& CVerbsDoc::StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible)
{
    EndTest();
    m_test = std::make_unique<TestSession>(verbs, options, eligible);
    return *m_test;
}

TestSession& CVerbsDoc::StartTest(const VerbTable& verbs, const TestOptions& options, const std::vector<int>& eligible,
                                  const QuestionDraw& draw)
{
    EndTest();
    m_test = std::make_unique<TestSession>(verbs, options, eligible, draw);
    return *m_test;
}

void CVerbsDoc::EndTest()
{
    if (m_test)
        m_test->End();
}
