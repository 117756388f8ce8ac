#include "base/HistoryRecorder.h"
#include "base/Language.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

namespace {
bool gFailureReported = false;
}

HistoryEntry CHistoryRecorder::EntryOf(const AnswerRecord& a, const SYSTEMTIME& now)
{
    HistoryEntry e;
    e.when = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    e.verb = a.verb;
    e.infinitive = a.infinitive;
    e.askedPast = a.forms.pastTense;
    e.askedParticiple = a.forms.pastParticiple;
    e.typedPast = a.typed.pastTense;
    e.typedParticiple = a.typed.participle;
    e.verdict = a.verdict == Verdict::Correct ? HistoryVerdict::Right
                : a.verdict == Verdict::Skipped ? HistoryVerdict::Skipped
                                                : HistoryVerdict::Wrong;
    e.attempt = a.attempt;
    e.milliseconds = a.milliseconds;
    return e;
}

void CHistoryRecorder::OnAnswerRecorded(const TestSession&, const AnswerRecord& answer)
{
    if (!m_file)
        m_file = std::make_unique<AnswerHistoryFile>(AnswerHistoryFile::CurrentPath());
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    if (!m_file->Append(EntryOf(answer, now)))
        m_failurePending = true;
}

bool CHistoryRecorder::TakeFailureToReport()
{
    if (!m_failurePending || gFailureReported)
        return false;
    m_failurePending = false;
    gFailureReported = true;
    return true;
}

void CHistoryRecorder::ResetReportedFailure()
{
    gFailureReported = false;
}

void ReportHistoryWriteFailure()
{
    AppMessageBox(fw::FormatString1(LoadLangString(IDS_HISTORY_WRITE_FAILED), AnswerHistoryFile::CurrentPath()),
                  MB_OK | MB_ICONWARNING);
}
