#pragma once

// The one way every store table is used: each call mounts the table's volume,
// opens the table through one sort order (creating it when missing), works,
// and unmounts. The overloads taking a VolumeSession do their work inside a
// larger transaction of the caller.

#include <optional>
#include <string_view>
#include <vector>

#include "store/RecordFields.h"
#include "store/TableRows.h"

namespace store {

template <class R>
class TableAccessor final {
public:
    TableAccessor(Volumes volumes, const TableSchema& schema)
        : volumes_(std::move(volumes)), rows_(schema) {}

    VolumeSession session() const { return VolumeSession(volumes_, rows_.schema()); }

    std::optional<std::vector<R>> list(unsigned order) const {
        return readOnce([&](VolumeSession& s) { return list(s, order); });
    }
    std::optional<R> find(unsigned order, std::u16string_view key) const {
        return readOnce([&](VolumeSession& s) { return find(s, order, key); });
    }
    std::optional<std::uint32_t> count() const {
        return readOnce([&](VolumeSession& s) { return rows_.count(s); });
    }
    [[nodiscard]] bool add(const R& record) const {
        return once([&](VolumeSession& s) { return add(s, record); });
    }
    [[nodiscard]] bool addOrUpdate(const R& record, unsigned keyOrder) const {
        return once([&](VolumeSession& s) { return addOrUpdate(s, record, keyOrder); });
    }
    [[nodiscard]] bool update(unsigned order, std::u16string_view key, const R& record) const {
        return once([&](VolumeSession& s) { return update(s, order, key, record); });
    }
    [[nodiscard]] bool remove(unsigned order, std::u16string_view key) const {
        return once([&](VolumeSession& s) { return rows_.remove(s, order, key); });
    }

    std::optional<std::vector<R>> findAll(unsigned order, std::u16string_view key) const {
        return readOnce([&](VolumeSession& s) { return toRecords(rows_.findAll(s, order, key)); });
    }

    std::optional<std::vector<R>> list(VolumeSession& s, unsigned order) const {
        return toRecords(rows_.list(s, order));
    }
    std::optional<R> find(VolumeSession& s, unsigned order, std::u16string_view key) const {
        auto fields = rows_.find(s, order, key);
        if (!fields) return std::nullopt;
        return toRecord(std::move(*fields));
    }
    [[nodiscard]] bool add(VolumeSession& s, const R& record) const {
        return rows_.add(s, toFields(record));
    }
    [[nodiscard]] bool addOrUpdate(VolumeSession& s, const R& record, unsigned keyOrder) const {
        return rows_.addOrUpdate(s, toFields(record), keyOrder);
    }
    [[nodiscard]] bool update(VolumeSession& s, unsigned order, std::u16string_view key,
                              const R& record) const {
        return rows_.update(s, order, key, toFields(record));
    }
    [[nodiscard]] bool remove(VolumeSession& s, unsigned order, std::u16string_view key) const {
        return rows_.remove(s, order, key);
    }

    const Volumes& volumes() const { return volumes_; }

private:
    // Runs one operation in its own mount; a result counts only once committed.
    template <class F>
    auto once(F&& work) const -> decltype(work(std::declval<VolumeSession&>())) {
        VolumeSession s(volumes_, rows_.schema());
        if (!s.mounted()) return {};
        auto result = work(s);
        const auto error = platform::propdb::lastError();
        if (!s.close()) return {};
        platform::propdb::setLastError(error);
        return result;
    }

    // Runs a read in a shared mount. Only when the volume or the table does
    // not exist yet does it run again in a writing mount, which creates them.
    template <class F>
    auto readOnce(F&& work) const -> decltype(work(std::declval<VolumeSession&>())) {
        namespace propdb = platform::propdb;
        {
            VolumeSession s(volumes_, rows_.schema(), VolumeSession::Access::Read);
            if (!s.mounted() && propdb::lastError() != propdb::kErrorFileNotFound) return {};
            if (s.mounted()) {
                auto result = work(s);
                const auto error = propdb::lastError();
                const bool closed = s.close();
                if (result || error != propdb::kErrorFileNotFound) {
                    if (!closed) return {};
                    propdb::setLastError(error);
                    return result;
                }
            }
        }
        return once(work);
    }

    static TableRows::Fields toFields(R record) {
        TableRows::Fields fields;
        for (auto* field : RecordFields<R>::of(record)) fields.push_back(std::move(*field));
        return fields;
    }
    static std::optional<std::vector<R>> toRecords(
        std::optional<std::vector<TableRows::Fields>> rows) {
        if (!rows) return std::nullopt;
        std::vector<R> records;
        records.reserve(rows->size());
        for (auto& fields : *rows) records.push_back(toRecord(std::move(fields)));
        return records;
    }
    static R toRecord(TableRows::Fields fields) {
        R record{};
        auto targets = RecordFields<R>::of(record);
        for (std::size_t i = 0; i < targets.size() && i < fields.size(); ++i)
            *targets[i] = std::move(fields[i]);
        return record;
    }

    Volumes volumes_;
    TableRows rows_;
};

}  // namespace store
