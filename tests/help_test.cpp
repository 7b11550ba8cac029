// The help viewer and the shipped manual: a section between its markers in
// the list with the blank rows around it, the font size from the area's
// width, the sections that wait for an idle program, Close and Escape, a
// damaged or missing manual; and the manual itself: its markers once each
// and in order, every menu caption and key in its shortcut section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "commands/browser.h"
#include "commands/registers.h"
#include "fake_platform.h"
#include "help/help.h"
#include "tables/keys.h"
#include "tables/menu.h"

namespace {

const char* const kMarkers[] = {"<start>", "<files>", "<edit>", "<view>", "<draw>",
                                "<settings>", "<help>", "<shapefont>", "<eof>"};

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override { t.Start(dir.path()); }
    App& app() { return *t.app; }
    void Manual(const std::vector<std::string>& lines) { WriteAll(dir.file(kHelpFileName), JoinCrLf(lines)); }
    const std::vector<std::string>& Rows() const { return t.app->browser.Help1.rows; }
    TempDir dir;
    TestApp t;
};

std::vector<std::string> SmallManual() {
    return {"<start>", "F1   Help", "Esc  cancel", "<files>", "New  starts a drawing", "<edit>", "<view>",
            "<draw>", "Line", "<settings>", "<help>", "<shapefont>", "Shapes", "<eof>"};
}

}  // namespace

TEST_F(HelpTest, ASectionStandsBetweenBlankRows) {
    Manual(SmallManual());
    MenuClick(app(), "HelpKeys");
    EXPECT_EQ(app().cmd.CurCommand, "Help");
    EXPECT_EQ(Rows(), (std::vector<std::string>{" ", "    ", "F1   Help   ", "Esc  cancel   ", "   ", "   "}));
    const ControlBox& list = t.fake.controls[kHelp1Name];
    EXPECT_TRUE(list.visible);
    EXPECT_EQ(list.fontPoints, 8);  // 12000 / 1500 + 0.5, whole points
    EXPECT_TRUE(t.fake.controls[kHelpCloseName].visible);
    EXPECT_EQ(t.fake.controls[kHelpCloseName].caption, "Close");
    // An empty section shows only the blank rows; the last runs to <eof>.
    MenuClick(app(), "HelpEdit");
    EXPECT_EQ(Rows(), (std::vector<std::string>{" ", "    ", "   ", "   "}));
    MenuClick(app(), "HelpShapes");
    EXPECT_EQ(Rows()[2], "Shapes   ");
}

TEST_F(HelpTest, SomeSectionsWaitForAnIdleProgram) {
    Manual(SmallManual());
    MenuClick(app(), "Pan");
    MenuClick(app(), "HelpKeys");
    MenuClick(app(), "HelpHelp");
    EXPECT_EQ(app().cmd.CurCommand, "Pan");
    EXPECT_FALSE(t.fake.controls[kHelp1Name].visible);
    MenuClick(app(), "HelpFiles");
    EXPECT_EQ(app().cmd.CurCommand, "Help");
    EXPECT_EQ(Rows()[2], "New  starts a drawing   ");
    // While help is shown, the idle-only sections and starters are refused.
    MenuClick(app(), "HelpKeys");
    MenuClick(app(), "Grid");
    EXPECT_EQ(Rows()[2], "New  starts a drawing   ");
    EXPECT_EQ(app().cmd.CurCommand, "Help");
}

TEST_F(HelpTest, CloseAndEscapeHideTheViewer) {
    Manual(SmallManual());
    MenuClick(app(), "HelpDraw");
    HelpClose_Click(app());
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_FALSE(t.fake.controls[kHelp1Name].visible);
    EXPECT_FALSE(t.fake.controls[kHelpCloseName].visible);
    MenuClick(app(), "HelpDraw");
    Text1_KeyDown(app(), 27, 0);
    EXPECT_EQ(app().cmd.CurCommand, "None");
    EXPECT_FALSE(t.fake.controls[kHelp1Name].visible);
    // A row click of the viewer is not the library browser's.
    MenuClick(app(), "HelpDraw");
    HelpClose_Click(app());
    Help1_Click(app(), 2);
    EXPECT_EQ(app().dwg.ShapePrefix, "Sc");
}

TEST_F(HelpTest, ADamagedOrMissingManualSaysSoAndCloses) {
    std::vector<std::vector<std::string>> damaged;
    auto trailing = SmallManual();
    trailing[3] = "<files> ";  // a blank after the marker
    damaged.push_back(trailing);
    auto missing = SmallManual();
    missing.erase(std::find(missing.begin(), missing.end(), "<edit>"));
    damaged.push_back(missing);
    for (const auto& m : damaged) {
        Manual(m);
        t.fake.boxes.clear();
        MenuClick(app(), "HelpFiles");
        ASSERT_EQ(t.fake.boxes.size(), 1u);
        EXPECT_EQ(t.fake.boxes[0].text.rfind("Help file missing or dammaged.\r\n", 0), 0u);
        EXPECT_NE(t.fake.boxes[0].text.find("http"), std::string::npos);
        EXPECT_EQ(t.fake.boxes[0].buttons, MsgButtons::OK);
        EXPECT_EQ(app().cmd.CurCommand, "None");
        EXPECT_FALSE(t.fake.controls[kHelp1Name].visible);
    }
    std::remove(dir.file(kHelpFileName).c_str());
    t.fake.boxes.clear();
    MenuClick(app(), "HelpKeys");
    EXPECT_EQ(t.fake.boxes.size(), 1u);
    EXPECT_EQ(app().cmd.CurCommand, "None");
}

TEST(ShippedManual, MarkersStandOnceAndInOrder) {
    const std::vector<std::string> lines = SplitCrLf(ReadAll(std::string(ZARNIC_DATA) + kHelpFileName));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "<start>");
    std::vector<std::string> found;
    for (const std::string& l : lines) {
        if (!l.empty() && l[0] == '<' && l.back() == '>' && l.find(' ') == std::string::npos) found.push_back(l);
        EXPECT_EQ(l.find('\t'), std::string::npos) << l;
        EXPECT_EQ(l.find('\n'), std::string::npos);
    }
    EXPECT_EQ(found, std::vector<std::string>(std::begin(kMarkers), std::end(kMarkers)));
    EXPECT_GT(lines.size(), 300u);
}

TEST(ShippedManual, ShortcutSectionNamesEveryKeyAndCaption) {
    const std::vector<std::string> lines = SplitCrLf(ReadAll(std::string(ZARNIC_DATA) + kHelpFileName));
    std::string section;
    for (const std::string& l : lines) {
        if (l == "<files>") break;
        section += l + "\n";
    }
    for (const MenuRow& r : MenuTable()) {
        if (*r.key) {
            EXPECT_NE(section.find(r.key), std::string::npos) << "key " << r.key;
        }
        std::string caption = r.caption;
        if (caption.empty()) continue;  // the recent files
        // The caption's words, before the padding that names a key.
        caption = caption.substr(0, caption.find("  "));
        if (size_t amp = caption.find("&&"); amp != std::string::npos) caption.replace(amp, 2, "&");
        EXPECT_NE(section.find(caption), std::string::npos) << "caption " << caption;
    }
    for (const char* key : {"Escape", "Enter", "Insert", "Shift+B", "Shift+W", "Ctrl+Shift+M"})
        EXPECT_NE(section.find(key), std::string::npos) << key;
}
