// wqplot's window: the shared water-quality window with its 図の種類 menu. Each diagram the menu
// chooses leaves the window (図を保存, 数値を保存) as hydrochart's command of the same name
// writes it; the classification table is read in a table view.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QTableView>

#include "support/export_check.h"
#include "support/frame_window.h"
#include "wqplot/ui/wqplot_program.h"

namespace {

class WqplotWindow : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override { form = std::make_unique<wq::MainWindow>(platform, wqp::WqPlotProgram()); }
    QTableView* Table() { return form->findChild<QTableView*>("TableView"); }
};

TEST_F(WqplotWindow, MenusOfItsOwn) {
    FinishSplash();
    // No template, page setup, style or width menus: the diagrams need none.
    for (const char* absent : {"mnuFileNewItem", "mnuFilePageItem"})
        EXPECT_EQ(Item(absent), nullptr) << absent;
    for (const char* absent : {"mnuStyle", "mnuWidth", "mnuScale"})
        EXPECT_EQ(Menu(absent), nullptr) << absent;
    EXPECT_FALSE(MenuEnabled("mnuKind"));
    Open(hc::test::SourcePath("examples/sample12.xls"));
    EXPECT_TRUE(MenuEnabled("mnuKind"));
    EXPECT_EQ(Checked("mnuKindVal"), 0);  // Piper first
    // Each option is offered where its diagram draws it.
    EXPECT_TRUE(Item("mnuKindFieldsItem")->isEnabled());
    EXPECT_FALSE(Item("mnuKindPotassiumItem")->isEnabled());
    Group("mnuKindVal")[1]->trigger();
    EXPECT_FALSE(Item("mnuKindFieldsItem")->isEnabled());
    EXPECT_TRUE(Item("mnuKindPotassiumItem")->isEnabled());
    EXPECT_FALSE(Item("mnuKindMixingItem")->isEnabled());
    Group("mnuKindVal")[4]->trigger();  // HFE-D
    EXPECT_TRUE(Item("mnuKindMixingItem")->isEnabled());
    EXPECT_TRUE(Item("mnuKindLabelsItem")->isEnabled());
    EXPECT_FALSE(Item("mnuKindFieldsItem")->isEnabled());
}

TEST_F(WqplotWindow, EveryDiagramLeavesTheWindowAsHydrochartWritesIt) {
    FinishSplash();
    const QString book = QString::fromStdString(hc::test::SourcePath("examples/sample12.xls"));
    Open(book.toStdString());
    struct Case {
        int item;
        const char* command;
        const char* option;  // an option of the menu, switched on in the window and the command
        const char* flag;
        const char* value = "on";
    };
    const Case cases[] = {{0, "piper", "mnuKindFieldsItem", "--fields"},
                          {1, "schoeller", "mnuKindPotassiumItem", "--k-apart"},
                          {2, "chadha", "mnuKindLabelsItem", "--labels"},
                          {3, "durov", "mnuKindLabelsItem", "--labels"},
                          {4, "hfed", "mnuKindMixingItem", "--mixing-line"},
                          {5, "ussl", "mnuKindLabelsItem", "--labels"},
                          {6, "gibbs", "mnuKindGibbsMeqItem", "--gibbs-basis", "meq"},
                          {7, "classify", nullptr, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Group("mnuKindVal")[static_cast<std::size_t>(c.item)]->trigger();
        QStringList args{book, "--nitrate", "1"};
        Group("mnuTypeVal")[1]->trigger();
        if (c.option) {
            Item(c.option)->trigger();
            args << c.flag << c.value;
        }
        hc::test::ExpectExportsMatchHydrochart(form.get(), platform, c.command, args);
        if (c.option)
            Item(c.option)->trigger();  // off again for the next diagram
        // Only the table is read in the table view; the diagrams in the picture.
        const bool table = std::string(c.command) == "classify";
        EXPECT_EQ(Table() && Table()->isVisible(), table);
        EXPECT_EQ(View()->isVisible(), !table);
    }
    // The table view shows every sample, the undrawn one of column 9 too.
    ASSERT_TRUE(Table());
    EXPECT_EQ(Table()->model()->rowCount(), 12);
    EXPECT_EQ(Table()->model()->index(8, 4).data().toString().toStdString(), "作図対象外");
}

}  // namespace
