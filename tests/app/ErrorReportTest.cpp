// Exceptions that no handler of the program caught are shown to the user: a
// store failure as every store failure is, anything else plainly.
#include "AppFixture.h"
#include "ModalResponder.h"
#include "settings/ProfileException.h"
#include <functional>
#include <stdexcept>

namespace {

// A window whose handler lets the exception it is given through.
class FailingWindow : public CWnd {
public:
    std::function<void()> fail;

protected:
    LRESULT OnUser(WPARAM, LPARAM)
    {
        fail();
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailingWindow, CWnd)
    ON_MESSAGE(WM_USER, OnUser)
END_MESSAGE_MAP()

} // namespace

TEST_F(AppFixture, UncaughtStoreFailureIsShownWithTheStoreReportAndOtherFailuresPlainly)
{
    FailingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"", WS_POPUP, RECT{0, 0, 100, 100}, nullptr, 0));
    testutil::ModalResponder responder;
    window.fail = [] { throw Profile::RegException(Profile::RegException::kCannotSetValue, L"Key: NumWords Value:25"); };
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { EXPECT_EQ(window.SendMessage(WM_USER), 0); }));
    window.fail = [] { throw std::runtime_error("out of paper"); };
    EXPECT_TRUE(responder.ExpectDialogs(1, [&] { window.SendMessage(WM_USER); }));

    ASSERT_EQ(responder.Seen().size(), 2u);
    EXPECT_EQ(responder.Seen()[0].caption, L"Lexoria");
    EXPECT_EQ(responder.Seen()[0].text, L"Oops! Profile::RegException\n\nKey: NumWords Value:25");
    EXPECT_EQ(responder.Seen()[0].icon, ::LoadIconW(nullptr, IDI_HAND));
    EXPECT_EQ(responder.Seen()[1].caption, L"Lexoria");
    EXPECT_EQ(responder.Seen()[1].text, L"An unexpected error stopped the operation.\n\nout of paper");
    EXPECT_EQ(responder.Seen()[1].icon, ::LoadIconW(nullptr, IDI_HAND));
}
