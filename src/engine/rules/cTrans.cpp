#include "cTrans.h"

#include <algorithm>

namespace tabloo {

void cTrans::Reset() {
    Records.assign(kGrowth + 1, TransRecord{});
    Bound = kGrowth;
    Current = 0;
    Last = 0;
}

bool cTrans::SaveTrans(const TransRecord &record) {
    if (Current >= kMaxMoves)
        return false;
    ++Current;
    Last = Current;
    if (Current > Bound) {
        Bound = static_cast<std::int16_t>(Bound + kGrowth);
        Records.resize(Bound + 1);
    }
    Records[Current] = record;
    return true;
}

void cTrans::Restore(const std::vector<TransRecord> &records) {
    Reset();
    const std::size_t n = std::min<std::size_t>(records.size(), kMaxMoves);
    Bound = static_cast<std::int16_t>(std::max<std::size_t>(kGrowth, (n + kGrowth - 1) / kGrowth * kGrowth));
    Records.resize(static_cast<std::size_t>(Bound) + 1);
    std::copy(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(n), Records.begin() + 1);
    Last = static_cast<std::int16_t>(n);
}

void cTrans::Truncate(std::int16_t n) {
    if (n < 0 || n >= Last)
        return;
    Last = n;
    if (Current > Last)
        Current = Last;
}

const TransRecord *cTrans::StepBack() {
    if (Current < 1)
        return nullptr;
    return &Records[Current--];
}

const TransRecord *cTrans::StepForward() {
    if (Current >= Last)
        return nullptr;
    return &Records[++Current];
}

} // namespace tabloo
