#include "catalogue/parameter_slots.h"

#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

float* parameterOf(CurveParams& c, Slot slot) {
  switch (slot) {
    case Slot::K: return &c.paramK;
    case Slot::A: return &c.paramA;
    case Slot::B: return &c.paramB;
    case Slot::C: return &c.paramC;
    case Slot::Omega: return &c.paramOmega;
    case Slot::Phi: return &c.paramPhi;
    case Slot::R: return &c.paramR;
    case Slot::P: return &c.paramP;
    case Slot::X1: return &c.paramX1;
    case Slot::Y1: return &c.paramY1;
    case Slot::X2: return &c.paramX2;
    case Slot::None:
    case Slot::H: break;
  }
  return nullptr;
}

}  // namespace

bool readSlotParameters(const FormInfo& info, const std::array<std::string, 3>& texts,
                        CurveParams& c) {
  for (std::size_t box = 0; box < 3; ++box) {
    const Slot slot = info.boxes[box].slot;
    if (slot == Slot::None) continue;
    if (slot == Slot::H) {
      double h = 0;
      if (textToDouble(texts[box], h) != kOk || roundToInt32(h, c.paramH) != kOk) return false;
      continue;
    }
    float value = 0;
    if (textToSingle(texts[box], value) != kOk) return false;
    *parameterOf(c, slot) = value;
  }
  return true;
}

}  // namespace quorvel
