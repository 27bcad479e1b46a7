#pragma once

#include <QListView>

#include <functional>
#include <string>
#include <vector>

#include "support/window_services.h"

namespace murax {

class BlockListModel;

// The block list box (control name "cBlk", id 101): the open tape's lines in the window's fixed
// font, with extended selection, a vertical scroll bar that is always there, no frame and no
// inline editing. It keeps the standard list box rules the commands rely on: a reload leaves no
// selection and no current row; select adds a row to the selection and makes it current. Right
// and middle clicks change nothing.
class BlockListView : public QListView, public ListBox {
public:
    static constexpr int kControlId = 101;

    BlockListView(const std::vector<std::string>& lines, QWidget* parent);

    int currentPosition() const override;
    int count() const override;
    std::vector<int> selectedPositions() const override;
    void reload(const std::vector<std::string>& lines) override;
    void select(int position) override;
    void suspendRedraw() override;
    void resumeRedraw() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    BlockListModel* model_;
};

}  // namespace murax
