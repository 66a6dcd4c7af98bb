#include <gtest/gtest.h>

#include "OwnDialogWorker.h"
#include "app/SetupGlobals.h"
#include "dialogs/LanguageDlg.h"
#include "res/resource.h"

namespace {
struct Choice {
    int index;  // -1: the list left as it opened
    const char* stored;
};

class LanguageChoice : public ::testing::TestWithParam<Choice> {
protected:
    void TearDown() override { g_languageName.clear(); }
};

TEST_P(LanguageChoice, NextStoresExactlyTheSelectedEntry)
{
    g_languageName = "stale";
    int index = GetParam().index;
    CLanguageDlg dialog(nullptr);
    OwnDialogWorker worker("Velmora", [index](HWND window) {
        HWND list = ::GetDlgItem(window, IDC_LANGUAGE_LIST);
        if (index >= 0)
            ::SendMessageA(list, CB_SETCURSEL, index, 0);
        PostClick(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(worker.Join());
    EXPECT_EQ(g_languageName, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Entries, LanguageChoice,
                         ::testing::Values(Choice{-1, "Dutch"}, Choice{1, "English"}, Choice{2, "French"},
                                           Choice{3, "German"}),
                         [](const ::testing::TestParamInfo<Choice>& info) { return std::string(info.param.stored); });
}  // namespace
