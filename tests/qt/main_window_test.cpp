#include "qt/main_window.h"

#include "qt/panel_list_view.h"
#include "qt/qt_information_box.h"
#include "support/default_rows.h"
#include "support/plist_reader.h"
#include "support/recording_services.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QListWidget& list() { return *window.超级列表框1; }
    QRect rowRect(int row) { return list().visualItemRect(list().item(row)); }
    QPoint rowText(int row) {
        return rowRect(row).topLeft() + QPoint(30, rowRect(row).height() / 2);
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rowText(row));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::vector<std::string> labels() {
        std::vector<std::string> texts;
        texts.reserve(static_cast<std::size_t>(rows.rowCount()));
        for (int row = 0; row < rows.rowCount(); ++row)
            texts.push_back(rows.text(row));
        return texts;
    }

    RecordingBox box;
    RecordingWriter writer;
    MainWindow window{box, writer, "/run"};
    ListViewToggleList rows{*window.超级列表框1};
};

TEST_F(MainWindowTest, StartsCentredWithItsFixedFrameAndCaption) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.frameGeometry(),
              QRect((screen.width() - 218) / 2, (screen.height() - 357) / 2, 218, 357));
    EXPECT_EQ(window.windowTitle(), "Kavrena1.4");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(window.windowType(), Qt::Window);
}

TEST_F(MainWindowTest, ControlsStandWhereTheLayoutPutsThemWithoutOverlapping) {
    const std::vector<std::pair<QWidget*, QRect>> layout = {{window.超级列表框1, {8, 8, 95, 314}},
                                                            {window.按钮_上移, {121, 21, 72, 24}},
                                                            {window.按钮_下移, {121, 72, 72, 24}},
                                                            {window.按钮_生成, {121, 217, 72, 24}},
                                                            {window.标签1, {116, 265, 84, 35}}};
    for (const auto& [control, place] : layout) {
        EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();
        EXPECT_TRUE(control->isVisible() && control->isEnabled());
        for (const auto& [other, otherPlace] : layout)
            EXPECT_TRUE(control == other || !control->geometry().intersects(other->geometry()));
    }
    EXPECT_EQ(window.findChild<QWidget*>("超级列表框1"), window.超级列表框1);
    EXPECT_EQ(window.findChild<QWidget*>("按钮_生成"), window.按钮_生成);
    EXPECT_EQ(window.按钮_上移->text(), "上移");
    EXPECT_EQ(window.按钮_下移->text(), "下移");
    EXPECT_EQ(window.按钮_生成->text(), "生成plist");
    EXPECT_TRUE(window.标签1->text().startsWith("Varnoth倾情奉献\n"));
    EXPECT_TRUE(window.标签1->text().endsWith("\n2012.07.16"));
    EXPECT_EQ(window.标签1->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_TRUE(window.标签1->wordWrap());
}

TEST_F(MainWindowTest, StartsWithEighteenTickedRowsNoneSelectedAndFocusOnGenerate) {
    ASSERT_EQ(rows.rowCount(), 18);
    EXPECT_EQ(rows.text(0), "WIFI");
    EXPECT_EQ(rows.text(17), "关机");
    for (int row = 0; row < 18; ++row)
        EXPECT_TRUE(rows.isTicked(row));
    EXPECT_EQ(rows.selectedCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), window.按钮_生成);
}

TEST_F(MainWindowTest, SpaceAtOnceGeneratesTheDefaultDocument) {
    press(Qt::Key_Space);
    EXPECT_EQ(writer.writes, 1);
    EXPECT_EQ(writer.lastPath, "/run/WeeWindowListSetting.plist");
    EXPECT_EQ(writer.lastBytes, defaultDocument());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].caption, "信息");
    EXPECT_EQ(box.shown[0].text, GenerateCommand::kSuccessMessage);
}

TEST_F(MainWindowTest, TabCyclesTheThreeButtonsBothWays) {
    const std::vector<QWidget*> forward = {window.按钮_上移, window.按钮_下移, window.按钮_生成,
                                           window.按钮_上移};
    for (QWidget* next : forward) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    const std::vector<QWidget*> backward = {window.按钮_生成, window.按钮_下移, window.按钮_上移,
                                            window.按钮_生成};
    for (QWidget* next : backward) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST_F(MainWindowTest, TabLeavesTheListForGenerateAndShiftTabForMoveDown) {
    clickRow(2);
    ASSERT_EQ(QApplication::focusWidget(), window.超级列表框1);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.按钮_生成);
    clickRow(2);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.按钮_下移);
}

TEST_F(MainWindowTest, EscapeClosesTheWindowFromAButton) {
    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, EscapeClosesTheWindowFromTheList) {
    clickRow(4);
    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(writer.writes, 0);
}

TEST_F(MainWindowTest, EnterAndF1DoNothingWhereverTheFocusIs) {
    clickRow(3);
    for (QWidget* target :
         {static_cast<QWidget*>(window.超级列表框1), static_cast<QWidget*>(window.按钮_生成),
          static_cast<QWidget*>(window.按钮_上移)}) {
        target->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1})
            press(key);
    }
    EXPECT_EQ(writer.writes, 0);
    EXPECT_THAT(box.shown, IsEmpty());
    EXPECT_EQ(rows.text(3), "清理");
    EXPECT_THAT(rows.selectedRows(), ElementsAre(3));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, ControlAndShiftClicksNeverSelectASecondRow) {
    clickRow(2);
    clickRow(5, Qt::ControlModifier);
    EXPECT_LE(rows.selectedCount(), 1);
    clickRow(8, Qt::ShiftModifier);
    EXPECT_LE(rows.selectedCount(), 1);
    clickRow(9);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(9));
}

TEST_F(MainWindowTest, KeysInTheListMoveTheSelectionAndSpaceTogglesTheBox) {
    clickRow(0);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(2));
    press(Qt::Key_Space);
    EXPECT_FALSE(rows.isTicked(2));
    EXPECT_TRUE(rows.isTicked(0));
    press(Qt::Key_Space);
    EXPECT_TRUE(rows.isTicked(2));
    EXPECT_EQ(writer.writes, 0);
    EXPECT_THAT(box.shown, IsEmpty());
}

// Counts the pixels of the highlight colour in a row of the rendered list.
int highlightedPixels(QListWidget& view, const QRect& row, int fromX = 0) {
    const QImage image = view.viewport()->grab().toImage();
    const QColor highlight = view.palette().color(QPalette::Active, QPalette::Highlight);
    int count = 0;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = std::max(row.left(), fromX); x <= row.right(); ++x)
            count += image.pixelColor(x, y) == highlight ? 1 : 0;
    }
    return count;
}

TEST_F(MainWindowTest, SelectionIsDrawnBehindTheTextAndOnlyWhileTheListHasTheFocus) {
    clickRow(3);
    const QRect row = rowRect(3);
    EXPECT_GT(highlightedPixels(list(), row), 50);
    EXPECT_EQ(highlightedPixels(list(), row, row.right() - 20), 0) << "highlight spans the row";

    window.按钮_生成->setFocus();
    EXPECT_EQ(highlightedPixels(list(), row), 0);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(3));

    window.超级列表框1->setFocus();
    EXPECT_GT(highlightedPixels(list(), row), 50);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(3));
}

TEST_F(MainWindowTest, ClickingABoxTogglesTheTickAndRunsNoCommand) {
    QStyleOptionViewItem option;
    option.initFrom(&list());
    option.rect = rowRect(6);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QPoint box6 =
        list()
            .style()
            ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list())
            .center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, box6);
    EXPECT_FALSE(rows.isTicked(6));
    EXPECT_EQ(writer.writes, 0);
    EXPECT_THAT(box.shown, IsEmpty());
}

TEST_F(MainWindowTest, MoveButtonsWithNothingSelectedLeaveEverythingAlone) {
    press(Qt::Key_Tab); // onto 上移
    press(Qt::Key_Space);
    press(Qt::Key_Tab); // onto 下移
    press(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), window.按钮_下移);
    EXPECT_THAT(box.shown, IsEmpty());
    EXPECT_EQ(rows.text(0), "WIFI");
}

TEST_F(MainWindowTest, SeventeenUpsBringTheBottomLabelToTheTopAndTheEighteenthIsRefused) {
    const std::vector<std::string> before = labels();
    clickRow(17);
    for (int clickCount = 0; clickCount < 17; ++clickCount)
        click(window.按钮_上移);
    std::vector<std::string> expected = {"关机"};
    expected.insert(expected.end(), before.begin(), before.end() - 1);
    EXPECT_EQ(labels(), expected);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(0));
    EXPECT_EQ(QApplication::focusWidget(), window.超级列表框1);
    EXPECT_THAT(box.shown, IsEmpty());

    click(window.按钮_上移);
    EXPECT_THAT(box.shown, ElementsAre(ShownMessage{"到顶啦！", "提示"}));
    EXPECT_EQ(labels(), expected);
    EXPECT_EQ(QApplication::focusWidget(), window.超级列表框1);
}

TEST_F(MainWindowTest, UpThenDownRestoresTextsSelectionAndTicks) {
    clickRow(5);
    press(Qt::Key_Space); // unticks row 5
    const std::vector<std::string> before = labels();
    click(window.按钮_上移);
    click(window.按钮_下移);
    EXPECT_EQ(labels(), before);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(5));
    EXPECT_FALSE(rows.isTicked(5));
    EXPECT_TRUE(rows.isTicked(4));
}

TEST_F(MainWindowTest, GeneratedDocumentFollowsMovedLabelsAndPositionalTicks) {
    clickRow(0);
    press(Qt::Key_Space); // the top position is unticked
    clickRow(17);
    for (int clickCount = 0; clickCount < 17; ++clickCount)
        click(window.按钮_上移);
    click(window.按钮_生成);

    const auto panels = parsePanelList(writer.lastBytes);
    ASSERT_TRUE(panels.has_value());
    std::vector<ParsedPanel> expected = {expectedPanel("shutdown", 0)};
    for (int position = 1; position <= 17; ++position)
        expected.push_back(expectedPanel(ToggleCatalogue::entryAt(position).key.word(), 1));
    EXPECT_EQ(*panels, expected);
}

// The real message box: while it is open, the window takes no click.
TEST(MainWindowWithItsMessageBox, BoxIsModalToTheWholeProgram) {
    QtInformationBox box;
    RecordingWriter writer;
    MainWindow window(box, writer, "/run");
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    struct Seen {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool owned = true;
        Qt::WindowModality modality = Qt::NonModal;
        int writesWhileOpen = -1;
    } seen;
    // Should the click get through, its own box is closed so that the test fails, not hangs.
    QTimer closeStrayBoxes;
    QObject::connect(&closeStrayBoxes, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    // Looks at the box once it is open; the box's own loop runs the timer.
    QTimer inspector;
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (open == nullptr)
            return;
        inspector.stop();
        seen = {open->text(),
                open->windowTitle(),
                open->icon(),
                open->standardButtons(),
                open->parentWidget() != nullptr,
                open->windowModality()};
        closeStrayBoxes.start(100);
        // Through the window system, as a person's click comes, so that modality applies.
        for (QPushButton* button : {window.按钮_生成, window.按钮_上移}) {
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                              button->geometry().center());
        }
        seen.writesWhileOpen = writer.writes;
        closeStrayBoxes.stop();
        QTest::mouseClick(open->button(QMessageBox::Ok), Qt::LeftButton);
    });
    inspector.start(10);
    QTest::keyClick(window.按钮_生成, Qt::Key_Space);

    EXPECT_EQ(seen.text,
              "文件生成成功\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor");
    EXPECT_EQ(seen.title, "信息");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_FALSE(seen.owned);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(seen.writesWhileOpen, 1);
    EXPECT_EQ(writer.writes, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The same click reaches the button once no box is open.
    closeStrayBoxes.start(50);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      window.按钮_生成->geometry().center());
    closeStrayBoxes.stop();
    EXPECT_EQ(writer.writes, 2);
}

} // namespace
} // namespace kavrena::testing

namespace kavrena::testing {
namespace {

// The list's border as drawn: light falls from the top left, so a sunken border is dark above
// and to the left of the rows and light below and to the right, two lines deep.
TEST_F(MainWindowTest, ListHasASunkenThreeDimensionalBorder) {
    const QImage drawn = list().grab().toImage();
    const int middleX = drawn.width() / 2;
    const int middleY = drawn.height() / 2;
    for (int line = 0; line < 2; ++line) {
        SCOPED_TRACE(line);
        EXPECT_LT(qGray(drawn.pixel(line, middleY)),
                  qGray(drawn.pixel(drawn.width() - 1 - line, middleY)));
        EXPECT_LT(qGray(drawn.pixel(middleX, line)),
                  qGray(drawn.pixel(middleX, drawn.height() - 1 - line)));
    }
}

} // namespace
} // namespace kavrena::testing
