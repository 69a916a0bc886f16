// Builds the reference volumes that ship with the installation from the city
// tables kept as text:
//   make_reference_volumes <system_cities.csv> <regions.csv> <output folder>
// writes <output folder>/SystemCityDatabase.vol (SystemCityTable) and
// <output folder>/CityDatabase.vol (the CityRecord region tree). Each volume is
// written under a temporary name and renamed, so a failed run leaves no
// half-built volume behind.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/text/Utf.h"
#include "store/Catalogue.h"
#include "store/CityListStore.h"
#include "store/TableAccessor.h"
#include "store/UpdateStampStore.h"
#include "store/UserTables.h"
#include "store/WarningStore.h"

namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::u16string>;

// Comma-separated lines with a header line; fields may be double-quoted.
bool readCsv(const fs::path& file, std::size_t columns, std::vector<Row>& rows) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << "cannot read " << file << "\n";
        return false;
    }
    std::string line;
    std::getline(in, line);  // header
    for (int number = 2; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Row row;
        std::string field;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted) {
                if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                    field += line[++i];
                else if (c == '"')
                    quoted = false;
                else
                    field += c;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.push_back(platform::fromUtf8(field));
                field.clear();
            } else {
                field += c;
            }
        }
        row.push_back(platform::fromUtf8(field));
        if (row.size() != columns) {
            std::cerr << file << ":" << number << ": expected " << columns << " fields\n";
            return false;
        }
        rows.push_back(std::move(row));
    }
    return true;
}

template <class R>
bool writeVolume(const fs::path& target, const store::TableSchema& schema,
                 const std::vector<R>& records) {
    const fs::path temporary = fs::path(target).concat(".tmp");
    std::error_code error;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        fs::remove(fs::path(temporary).concat(suffix), error);
    std::ofstream(temporary).close();  // an empty file becomes a fresh volume

    store::Volumes volumes = store::Volumes::inFolder(temporary.parent_path());
    volumes.cityDatabase = volumes.systemCityDatabase = temporary;
    const store::TableAccessor<R> table(volumes, schema);
    {
        store::VolumeSession session = table.session();
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (!table.add(session, records[i])) {
                std::cerr << target << ": cannot write data line " << i + 1 << " (error "
                          << platform::propdb::lastError() << ")\n";
                return false;
            }
        }
        if (!session.close()) {
            std::cerr << target << ": cannot commit\n";
            return false;
        }
    }
    // A journal left beside an older volume would be rolled back into the new
    // one; the temporary's own journal is empty once committed.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        fs::remove(fs::path(target).concat(suffix), error);
        fs::remove(fs::path(temporary).concat(suffix), error);
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::cerr << "cannot rename " << temporary << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_reference_volumes <system_cities.csv> <regions.csv> <folder>\n";
        return 2;
    }
    std::vector<Row> cityRows, regionRows;
    if (!readCsv(argv[1], 4, cityRows) || !readCsv(argv[2], 5, regionRows)) return 1;

    std::vector<store::SystemCityRecord> cities;
    for (auto& row : cityRows) cities.push_back({row[0], row[1], row[2], row[3]});
    std::vector<store::RegionRecord> regions;
    for (auto& row : regionRows) regions.push_back({row[0], row[1], row[2], row[3], row[4]});

    const fs::path folder = argv[3];
    std::error_code error;
    fs::create_directories(folder, error);
    if (!writeVolume(folder / "SystemCityDatabase.vol", store::catalogue::systemCityTable(),
                     cities) ||
        !writeVolume(folder / "CityDatabase.vol", store::catalogue::cityRecord(), regions))
        return 1;
    if (!store::createUserTables(store::Volumes::inFolder(folder))) {
        std::cerr << folder / "CityDatabase.vol"
                  << ": cannot create the user tables\n";
        return 1;
    }
    // Every mount leaves an emptied journal beside the volume; the payload
    // ships volumes only.
    for (const char* volume : {"SystemCityDatabase.vol", "CityDatabase.vol"})
        fs::remove(folder / (std::string(volume) + "-journal"), error);
    std::cout << "reference volumes: " << cities.size() << " cities, " << regions.size()
              << " regions\n";
    return 0;
}
