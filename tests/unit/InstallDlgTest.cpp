#include <gtest/gtest.h>

#include "InstallSandbox.h"
#include "MessageBoxAnswerer.h"
#include "app/WizardState.h"
#include "dialogs/InstallDlg.h"
#include "res/resource.h"

namespace {
// The installation dialog with its end of the process turned into the end of
// the dialog, so that the test process lives on.
class EndingInstallDlg : public CInstallDlg {
public:
    EndingInstallDlg() : CInstallDlg(nullptr) {}

    std::string status, percentLabel, notice, percentAtStart;
    bool noticeVisible = true;
    int endRequests = 0;

    BOOL OnInitDialog() override
    {
        BOOL result = CInstallDlg::OnInitDialog();
        status = ItemText(IDC_STATUS_GROUP);
        percentLabel = ItemText(IDC_PERCENT_LABEL);
        notice = ItemText(IDC_HIDDEN_NOTICE);
        percentAtStart = ItemText(IDC_PERCENT);
        noticeVisible = ::IsWindowVisible(GetDlgItem(IDC_HIDDEN_NOTICE));
        return result;
    }

protected:
    void EndSetup() override
    {
        ++endRequests;
        EndDialog(IDOK);
    }

private:
    std::string ItemText(int id) const
    {
        char text[256] = {};
        ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
        return text;
    }
};

TEST(InstallDialog, ShowsItsTextsRunsTheWorkerAndEndsAtTheFirstPaintAfterIt)
{
    InstallSandbox sandbox;
    EndingInstallDlg dialog;
    {
        MessageBoxAnswerer answerer({IDYES, IDOK});
        dialog.DoModal();
    }
    EXPECT_EQ(dialog.status, sandbox.Message(2));
    EXPECT_EQ(dialog.percentLabel, sandbox.Message(3));
    EXPECT_EQ(dialog.notice, sandbox.Message(86));
    EXPECT_FALSE(dialog.noticeVisible);
    EXPECT_EQ(dialog.percentAtStart, "");
    EXPECT_EQ(g_wizardState.load(), kWizardFinished);
    EXPECT_EQ(dialog.endRequests, 1);
    EXPECT_TRUE(InstallSandbox::Exists(sandbox.destination + "\\ZTParseMSGW.dll"));
}

TEST(InstallDialog, FailedTextFetchEndsTheSetupBeforeAnythingIsCopied)
{
    InstallSandbox sandbox;
    for (int offset : {2, 3, 86}) {
        EXPECT_EXIT(
            {
                sandbox.FailMessage(6 + offset);
                MessageBoxAnswerer answerer;
                EndingInstallDlg dialog;
                dialog.DoModal();
            },
            ::testing::ExitedWithCode(0), "message box: Unable to Parse Text")
            << offset;
        EXPECT_FALSE(InstallSandbox::Exists(sandbox.destination)) << offset;
    }
}
}  // namespace
