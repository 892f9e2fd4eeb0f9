// The program's one window: the toggle list, the three command buttons and the credits.
// It decides nothing about content; each click runs one command on the list.
#pragma once

#include "list_view_toggle_list.h"
#include "model/generate_command.h"
#include "model/row_reordering.h"

#include <QWidget>

#include <string>

class QLabel;
class QPushButton;

namespace kavrena {

class PanelListView;

class MainWindow final : public QWidget {
public:
    static constexpr int kOuterWidth = 218;
    static constexpr int kOuterHeight = 357;

    MainWindow(InformationBox& box, WholeFileWriter& writer, std::string runDirectory);
    ~MainWindow() override;

    // Shows the window centred on the whole primary screen, frame included.
    void showCentred();

    // The controls, named as the program's texts name them.
    PanelListView* const 超级列表框1;
    QPushButton* const 按钮_上移;
    QPushButton* const 按钮_下移;
    QPushButton* const 按钮_生成;
    QLabel* const 标签1;

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void wireEvents();
    void fitClientToFrame();
    QMargins reportedFrame() const;

    void onCreated();
    void onGenerateClicked();
    void onMoveUpClicked();
    void onMoveDownClicked();

    ListViewToggleList rows_;
    GenerateCommand generate_;
    RowReordering reordering_;
    QMargins appliedFrame_;
};

} // namespace kavrena
