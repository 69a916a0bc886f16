#include "app/services/ReportTextScreen.h"

namespace services {

ReportTextScreen::ReportTextScreen(const ReportFamily& family, app::AppContext& context,
                                   platform::ui::CDialog* parent)
    : ServiceTextScreen(std::u16string(family.textClass), context, parent, family.textMenu(),
                        {family.text.back, family.text.forward}),
      family_(family) {}

void ReportTextScreen::SetContent(std::u16string_view title) {
    std::u16string shown = std::u16string(title) + u"\n";
    if (auto report = store::ReportStore(Context().volumes(), family_.table).findByTitle(title))
        shown += report->text;
    SetShownText(std::move(shown));
}

}  // namespace services
