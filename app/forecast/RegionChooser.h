#pragma once

// The two choosers of a scenic spot: the province chooser lists the provinces
// of the region tree and opens the spot chooser for the chosen one; the spot
// chooser adds the chosen spot to the three-day or weekly list. "选择", Enter
// and a tap on a row choose; "返回" closes.

#include <QListWidget>

#include "app/forecast/ForecastListKind.h"
#include "app/shell/ShellScreen.h"
#include "store/RegionRecord.h"

namespace app {

class RegionChooser : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegionChooser)

public:
    struct Ids {
        int menu;
        int back;
        int choose;
        int list;
    };

    RegionChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                  AppContext& context, platform::ui::CDialog* parent);

    QListWidget* list() const { return list_; }
    std::vector<std::u16string> rows() const;
    void Choose();

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void OnKeyDown(int vk) override;
    void OnSize(int kind, int cx, int cy) override;

    // Region records offered as rows, from the whole tree.
    virtual std::vector<std::u16string> Offer(const std::vector<store::RegionRecord>& tree) = 0;
    virtual void Chosen(const store::RegionRecord& record) = 0;

    const ForecastListKind& kind() const { return kind_; }
    void selectFirst();

private:
    const ForecastListKind& kind_;
    Ids ids_;
    QListWidget* list_ = nullptr;
};

}  // namespace app
