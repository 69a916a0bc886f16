#pragma once

// The numbered list of at most five titles that the report and warning
// services share: header band, rows of 30 pixels, the selection bar, wrapping
// Up/Down keys, taps, and the progress strip shown while a fetch blocks.
// Subclasses say where the titles come from and what opening a row does.

#include <optional>
#include <string>
#include <vector>

#include "app/services/RowList.h"
#include "app/shell/ShellScreen.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"
#include "platform/ui/SoftKeyMenu.h"

namespace services {

class TitleListScreen : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitleListScreen)

public:
    // The texts the list shows now (at most five), in row order.
    const std::vector<std::u16string>& ShownTitles() const { return shown_; }
    int SelectedRow() const { return rows_.row(); }

protected:
    // rowFormat: the number in front of a title, "%d. " or "%d ." ("%d" is
    // replaced by the row number from 1).
    TitleListScreen(std::u16string className, app::AppContext& context,
                    platform::ui::CDialog* parent, platform::ui::SoftKeyMenu menu,
                    int minRowsToMove, std::u16string rowFormat);

    // Every title the store holds, in list order; nothing when it cannot be
    // read. Rows past the fifth are not shown.
    virtual std::optional<std::vector<std::u16string>> ListTitles() const = 0;
    virtual void OpenRow(int row) = 0;

    // Reads the titles again; the list and its header are drawn at the next paint.
    void Reload();
    void SelectRow(int row) { rows_.select(row); }
    // After the selected row's entry was deleted from the store: the same
    // selection rule for every list, then the list read again.
    void ReloadAfterDelete();

    // Shows the progress strip now, between height - 2T and height - T (or the
    // given band), and keeps it until HideProgress().
    void ShowProgress(std::u16string text);
    void ShowProgress(std::u16string text, int top, int bottom);
    void HideProgress();

    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;

private:
    void drawList();

    platform::ui::SoftKeyMenu menu_;
    std::u16string rowFormat_;
    RowList rows_;
    std::vector<std::u16string> shown_;
    platform::ui::Surface list_;
    platform::ui::Picture bar_;
    int listWidth_ = -1;  // width the list picture was drawn for; -1: draw again
    int charHeight_ = 0;
    struct Progress {
        std::u16string text;
        int top;
        int bottom;
    };
    std::optional<Progress> progress_;
};

}  // namespace services
