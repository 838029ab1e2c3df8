// SPDX-License-Identifier: MIT

#include "core/calc/capacity_formulas.h"

#include "core/state/checked_real.h"
#include "core/state/conversions.h"

// Every product is grouped as below: another grouping can change the last
// bit of a result, and the last bit a displayed digit.

namespace pali {

ValueCell Radians(const ValueCell& degrees)
{
    return (degrees * ValueCell(kPi)) / ValueCell(180.0);
}

double DesignTangent(const ValueCell& radians, const DesignCombination& combination)
{
    return CheckedDivide(CheckedTan(CellReal(radians)), combination.tanPhiDivisor);
}

ValueCell LayerFriction(const ValueCell& lateral, const ValueCell& weight, const ValueCell& thickness, double tangent)
{
    return (((ValueCell(0.5) * lateral) * weight) * thickness) * ValueCell(tangent);
}

double DiameterSquared(double diameterCm)
{
    const double diameterM = CheckedDivide(diameterCm, 100.0);
    return CheckedMultiply(diameterM, diameterM);
}

ValueCell PointFromProduct(const ValueCell& weightLengthNq, double diameterSquared,
                           const DesignCombination& combination)
{
    return ((weightLengthNq * ValueCell(kPi)) * ValueCell(diameterSquared)) / ValueCell(combination.pointDivisor);
}

ValueCell ShaftFromSum(const ValueCell& sum, double diameterCm, double lengthM, const DesignCombination& combination)
{
    return (((sum * ValueCell(kPi)) * ValueCell(diameterCm)) * ValueCell(lengthM)) /
           ValueCell(combination.shaftDivisor);
}

}  // namespace pali
