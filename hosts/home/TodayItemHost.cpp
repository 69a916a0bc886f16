#include "hosts/home/TodayItemHost.h"

#include <dlfcn.h>

#include "platform/clock/Clock.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/today/TodayCanvas.h"
#include "platform/ui/DisplayScale.h"

namespace home {

std::unique_ptr<TodayItemHost> TodayItemHost::load(const TodayItemEntry& entry, int width,
                                                   std::string& error) {
    void* library = dlopen(entry.library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + entry.library;
        return nullptr;
    }
    auto init =
        reinterpret_cast<tevalo_today_init_item_fn>(dlsym(library, TEVALO_TODAY_INIT_ITEM_SYMBOL));
    if (!init) {
        error = entry.library + ": no " TEVALO_TODAY_INIT_ITEM_SYMBOL;
        dlclose(library);
        return nullptr;
    }
    std::unique_ptr<TodayItemHost> host(new TodayItemHost(entry, library, width));
    host->item_ = init(&host->desc_, &host->host_);
    if (!host->item_) {
        error = entry.library + ": the item declined to start";
        return nullptr;
    }
    return host;
}

TodayItemHost::TodayItemHost(TodayItemEntry entry, void* library, int width)
    : entry_(std::move(entry)), library_(library), name_(entry_.name), width_(width) {
    desc_.name = name_.c_str();
    desc_.type = entry_.type;
    desc_.order = entry_.order;
    desc_.enabled = 1;
    desc_.options = entry_.options;
    desc_.flags = entry_.flags;
    desc_.selectability = entry_.selectability;
    desc_.library_path = entry_.library.c_str();

    host_.context = this;
    host_.client_size = [](void* c, int32_t* w, int32_t* h) {
        *w = of(c).width_;
        *h = of(c).desc_.height;
    };
    host_.colour = [](void* c, int32_t which) -> uint32_t {
        const auto& colours = of(c).colours_;
        switch (which) {
            case TEVALO_TODAY_COLOUR_HIGHLIGHT:
                return colours.highlight;
            case TEVALO_TODAY_COLOUR_HIGHLIGHT_TEXT:
                return colours.highlightText;
            default:
                return colours.text;
        }
    };
    host_.draw_watermark = [](void* c, const tevalo_today_dc* dc, const tevalo_today_rect* r) {
        auto& self = of(c);
        if (self.watermark_) {
            self.watermark_(*dc, *r);
        } else {
            platform::today::surfaceImage(dc->surface).fill(Qt::white);
        }
        if (dc->record) {
            tevalo_today_draw draw{};
            draw.kind = TEVALO_TODAY_DRAW_WATERMARK;
            draw.rect = *r;
            dc->record(dc->record_context, &draw);
        }
    };
    host_.system_font_pixels = [](void* c) -> int32_t { return of(c).fontPixels_; };
    host_.shell_ready = [](void* c) -> int32_t { return of(c).shellReady_ ? 1 : 0; };
    host_.message_box = [](void* c, const char16_t* text, const char16_t* caption,
                           uint32_t flags) -> int32_t {
        return platform::messageBox(of(c).owner_, text, caption ? caption : u"", flags);
    };
    host_.local_time = [](void*, tevalo_today_time* now) {
        const auto time = platform::localTime();
        *now = {time.year, time.month, time.day, time.hour, time.minute, time.second};
    };
    host_.get_dc = [](void* c) -> tevalo_today_dc* { return of(c).makeDc(); };
    host_.release_dc = [](void* c, tevalo_today_dc*) {
        if (of(c).onChanged_) of(c).onChanged_();
    };
    host_.invalidate = [](void* c) {
        if (of(c).onChanged_) of(c).onChanged_();
    };
    host_.update_now = [](void* c) {
        of(c).paint();
        if (of(c).onChanged_) of(c).onChanged_();
    };
}

TodayItemHost::~TodayItemHost() {
    if (item_) item_->proc(item_, TEVALO_TODAY_DESTROY, 0, 0);
    if (library_) dlclose(library_);
}

tevalo_today_dc* TodayItemHost::makeDc() {
    // The item lays out in logical pixels; its pixels follow the display scale.
    const int height = std::max(1, desc_.height);
    const int width = std::max(1, width_);
    const int scale = platform::ui::displayScale();
    if (surface_.size() != QSize(width, height) * scale) {
        surface_ = QImage(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
        surface_.fill(Qt::white);
    }
    surface_.setDevicePixelRatio(scale);
    dc_.surface = {reinterpret_cast<uint32_t*>(surface_.bits()), surface_.width(),
                   surface_.height(), static_cast<int32_t>(surface_.bytesPerLine()), scale};
    dc_.record_context = this;
    dc_.record = [](void* c, const tevalo_today_draw* draw) {
        TodayDrawRecord record;
        record.kind = draw->kind;
        record.rect = draw->rect;
        record.colour = draw->colour;
        if (draw->text) record.text.assign(draw->text, draw->text_length);
        of(c).drawLog_.push_back(std::move(record));
    };
    return &dc_;
}

intptr_t TodayItemHost::send(uint32_t message, uintptr_t wparam, intptr_t lparam) {
    return item_ ? item_->proc(item_, message, wparam, lparam) : 0;
}

bool TodayItemHost::queryRefresh() {
    return send(TEVALO_TODAY_QUERY_REFRESH, 0, reinterpret_cast<intptr_t>(&desc_)) != 0;
}

void TodayItemHost::paint() {
    tevalo_today_dc* dc = makeDc();
    send(TEVALO_TODAY_ERASE_BACKGROUND, 0, reinterpret_cast<intptr_t>(dc));
    send(TEVALO_TODAY_PAINT, 0, reinterpret_cast<intptr_t>(dc));
}

}  // namespace home
