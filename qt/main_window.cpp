#include "main_window.h"

#include "panel_list_view.h"
#include "qt_text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

namespace kavrena {
namespace {

constexpr std::string_view kCaption = "Kavrena1.4";
constexpr std::string_view kCredits = "Varnoth倾情奉献\r\nv@example.org\r\n2012.07.16";

QPushButton* pushButton(const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setAutoDefault(false); // Enter presses nothing
    button->setDefault(false);
    return button;
}

} // namespace

MainWindow::MainWindow(InformationBox& box, WholeFileWriter& writer, std::string runDirectory)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , 超级列表框1(new PanelListView(this))
    , 按钮_上移(pushButton("上移", this))
    , 按钮_下移(pushButton("下移", this))
    , 按钮_生成(pushButton("生成plist", this))
    , 标签1(new QLabel(this))
    , rows_(*超级列表框1)
    , generate_(rows_, writer, box, std::move(runDirectory))
    , reordering_(rows_, box) {
    setWindowTitle(toQString(kCaption));
    setBackgroundRole(QPalette::Button); // the dialog-face colour
    setAutoFillBackground(true);
    setFixedSize(kOuterWidth, kOuterHeight);
    buildControls();
    wireEvents();
    onCreated();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    超级列表框1->setObjectName(QStringLiteral("超级列表框1"));
    按钮_上移->setObjectName(QStringLiteral("按钮_上移"));
    按钮_下移->setObjectName(QStringLiteral("按钮_下移"));
    按钮_生成->setObjectName(QStringLiteral("按钮_生成"));
    标签1->setObjectName(QStringLiteral("标签1"));

    超级列表框1->setGeometry(8, 8, 95, 314);
    按钮_上移->setGeometry(121, 21, 72, 24);
    按钮_下移->setGeometry(121, 72, 72, 24);
    按钮_生成->setGeometry(121, 217, 72, 24);
    标签1->setGeometry(116, 265, 84, 35);

    // Laid out from the top and cut at the bottom edge, each line centred and wrapped.
    标签1->setText(toDisplayText(kCredits));
    标签1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    标签1->setWordWrap(true);
    标签1->setFocusPolicy(Qt::NoFocus);

    // The generate button is the first Tab stop; the list is reached only by a click.
    setTabOrder(按钮_生成, 按钮_上移);
    setTabOrder(按钮_上移, 按钮_下移);
}

void MainWindow::wireEvents() {
    connect(按钮_生成, &QPushButton::clicked, this, &MainWindow::onGenerateClicked);
    connect(按钮_上移, &QPushButton::clicked, this, &MainWindow::onMoveUpClicked);
    connect(按钮_下移, &QPushButton::clicked, this, &MainWindow::onMoveDownClicked);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::showCentred() {
    // Placed before the native window exists, the place is that of the frame's top-left
    // corner, and the window manager keeps that corner where it is when the client resizes.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + (screen.width() - kOuterWidth) / 2,
         screen.y() + (screen.height() - kOuterHeight) / 2);
    winId(); // the native window, so that a platform which knows its frame can say so
    fitClientToFrame();
    show();
    activateWindow();
    按钮_生成->setFocus(Qt::ActiveWindowFocusReason);
}

QMargins MainWindow::reportedFrame() const {
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

// The outer size includes the frame; the client area is what the frame leaves of it.
void MainWindow::fitClientToFrame() {
    appliedFrame_ = reportedFrame();
    setFixedSize(kOuterWidth - appliedFrame_.left() - appliedFrame_.right(),
                 kOuterHeight - appliedFrame_.top() - appliedFrame_.bottom());
}

// An X11 window manager reports the frame only once it has framed the window, which the first
// paint follows; it may change the frame later too.
bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    const bool frameMayHaveChanged =
        event->type() == QEvent::Paint || event->type() == QEvent::Move;
    if (frameMayHaveChanged && reportedFrame() != appliedFrame_)
        fitClientToFrame();
    return handled;
}

void MainWindow::onCreated() {
    fillDefaultRows(rows_);
}

void MainWindow::onGenerateClicked() {
    generate_.execute();
}

void MainWindow::onMoveUpClicked() {
    reordering_.moveSelectionUp();
}

void MainWindow::onMoveDownClicked() {
    reordering_.moveSelectionDown();
}

} // namespace kavrena
