#include "hosts/installer/ReferenceRefresh.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/propdb/PropDb.h"

namespace installer {
namespace {

using namespace platform::propdb;

struct ShippedTable {
    TableDefinition definition;
    std::vector<RecordEntry> rows;
};

std::optional<std::vector<ShippedTable>> readShipped(const std::filesystem::path& file,
                                                     const std::vector<std::u16string>& names) {
    auto volume = Volume::mount(file, MountMode::OpenExisting);
    if (!volume) return std::nullopt;
    std::vector<ShippedTable> tables;
    for (const auto& name : names) {
        auto definition = volume->tableDefinition(name);
        if (!definition || definition->sortOrders.empty()) continue;
        auto table = volume->openTable(name, definition->sortOrders.front());
        if (!table) return std::nullopt;
        auto rows = table->readAll();
        if (!rows) return std::nullopt;
        tables.push_back({*definition, std::move(*rows)});
    }
    volume->unmount();
    return tables;
}

bool replaceRows(Volume& volume, const ShippedTable& shipped) {
    const auto& order = shipped.definition.sortOrders.front();
    if (!volume.tableDefinition(shipped.definition.name) &&
        !volume.createTable(shipped.definition)) {
        return false;
    }
    auto table = volume.openTable(shipped.definition.name, order);
    if (!table) return false;
    while (table->recordCount() > 0) {
        if (!table->seekIndex(0) || !table->deleteCurrent()) return false;
    }
    for (const auto& row : shipped.rows) {
        if (table->write(0, row.properties) == 0) return false;
    }
    return true;
}

}  // namespace

bool refreshReferenceTables(const std::filesystem::path& payloadVolume,
                            const std::filesystem::path& deviceVolume) {
    // The reference tables a shipped volume may carry; others are user data.
    const std::vector<std::u16string> names = {u"CityRecord", u"SystemCityTable"};
    const auto shipped = readShipped(payloadVolume, names);
    if (!shipped) return false;
    auto volume = Volume::mount(deviceVolume, MountMode::OpenExisting);
    if (!volume) return false;
    for (const auto& table : *shipped) {
        if (!replaceRows(*volume, table)) return false;  // dropping rolls back
    }
    return volume->unmount();
}

}  // namespace installer
