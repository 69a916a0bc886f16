#pragma once

// The product's words for a volume that cannot be written (read-only, full,
// damaged or held by another process), shared by the application and the
// home-screen item.

namespace store {

inline constexpr char16_t kStoreFailedText[] = u"数据保存失败，请检查存储空间";

}  // namespace store
