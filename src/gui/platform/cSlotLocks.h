// The kept-game slots of the copies of the game running on one settings file, held with
// lock files beside it ("Tabloo.ini.game1.lock" ...): each held with flock for as long as
// the copy runs, so the system lets it go when the copy ends, a kill -9 included.
#pragma once

#include "Platform.h"

#include <QString>

#include <vector>

namespace tabloo {

class cSlotLocks : public ISlotLocks {
public:
    // Lock files named after this settings file.
    explicit cSlotLocks(const QString &settingsFile);
    ~cSlotLocks() override;
    cSlotLocks(const cSlotLocks &) = delete;
    cSlotLocks &operator=(const cSlotLocks &) = delete;

    bool TryHold(int slot) override;

private:
    QString Base;
    std::vector<int> Held; // the open lock files
};

} // namespace tabloo
