#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velmora {

class TAufstellvariante;

// The four fitting kinds whose quantity an installation variant prescribes, and the fixed
// article numbers that stand for them ("952400"; "952402"/"952403"; "952405"/"952406";
// "952407"; letter case ignored).
enum class FittingKind { Hp, Ep, Up, UpSonder };
inline constexpr std::array<FittingKind, 4> kFittingKinds{FittingKind::Hp, FittingKind::Ep,
                                                          FittingKind::Up, FittingKind::UpSonder};

// The fitting kind of an accessory article, or none for an ordinary accessory.
std::optional<FittingKind> fittingKindOf(std::string_view ArtNr);

// The variant's quantity field for that kind.
int fittingCount(const TAufstellvariante& Variante, FittingKind kind);

}  // namespace velmora
