#include "cQtSettings.h"
#include "SettingsText.h"
#include "cQtSettingsChannel.h"
#include "mText.h"

#include <QStandardPaths>

#include <algorithm>
#include <string>
#include <utility>

namespace tabloo {

using namespace settings_file;

cQtSettings::cQtSettings()
    : cQtSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Tabloo/Tabloo.ini")) {}

cQtSettings::cQtSettings(const QString &fileName) : File(fileName), Chan(ChannelFor(fileName)) {}

cQtSettings::~cQtSettings() {
    while (Depth > 0)
        EndUpdate();
    Settle();
}

void cQtSettings::BeginUpdate() { ++Depth; }

void cQtSettings::EndUpdate() {
    if (Depth == 0 || --Depth > 0)
        return;
    std::unique_lock l(Chan->M);
    if (Pending.empty()) {
        Safe = false;
        return;
    }
    const std::uint64_t seq = Chan->NextSeq++;
    Chan->Queue.push_back({std::move(Pending), seq});
    Pending.clear();
    Chan->Work.notify_one();
    if (std::exchange(Safe, false))
        Chan->Done.wait(l, [&] { return Chan->Written >= seq; });
}

void cQtSettings::SetClock(std::int64_t (*nowNs)()) { NowNs = nowNs ? nowNs : RealNowNs; }

void cQtSettings::KeepSafe() { Safe = Depth > 0; }

void cQtSettings::Settle() {
    std::unique_lock l(Chan->M);
    const std::uint64_t last = Chan->NextSeq - 1;
    Chan->Done.wait(l, [&] { return Chan->Written >= last; });
}

int cQtSettings::Loads() const {
    std::lock_guard l(Chan->M);
    return Chan->Loads;
}

int cQtSettings::Replacements() const {
    std::lock_guard l(Chan->M);
    return Chan->Replacements;
}

// The game has one application, "Tabloo", and the file is already its own: `app` names
// nothing further.
bool cQtSettings::Read(std::string_view, std::string_view section, std::string_view key, std::string &value) const {
    const QString s = ToQString(section), k = ToQString(key);
    // What is written and not yet in the file counts first: this update's, then those on
    // their way to the file, the newest first. Additions count on the value they follow.
    std::vector<const Op *> adds; // the newest first
    auto find = [&](const std::vector<Op> &ops) -> int {
        for (auto op = ops.rbegin(); op != ops.rend(); ++op) {
            if (op->Section != s || (!op->RemovesSection && op->Key != k))
                continue;
            if (op->RemovesSection)
                return 0;
            if (op->Adds) {
                adds.push_back(&*op);
                continue;
            }
            value = op->Value.toStdString();
            return 1;
        }
        return -1;
    };
    auto result = [&](bool found) {
        if (adds.empty())
            return found;
        std::string sum = value;
        for (auto a = adds.rbegin(); a != adds.rend(); ++a, found = true)
            sum = std::to_string(AddWithin(found ? &sum : nullptr, (*a)->Delta, (*a)->Lo, (*a)->Hi));
        value = std::move(sum);
        return true;
    };
    if (const int found = find(Pending); found >= 0)
        return result(found == 1);
    // The additions found so far point into the updates on their way: fold them before the
    // writer takes those.
    std::lock_guard l(Chan->M);
    for (auto b = Chan->Queue.rbegin(); b != Chan->Queue.rend(); ++b)
        if (const int found = find(b->Ops); found >= 0)
            return result(found == 1);
    const QHash<QString, QByteArray> *keys = Chan->Section(s);
    auto it = keys ? keys->constFind(k) : QHash<QString, QByteArray>::const_iterator();
    if (!keys || it == keys->constEnd())
        return result(false);
    value = DecodeValue(*it).toStdString(); // at most kLongestValue of it: see Parse
    return result(true);
}

void cQtSettings::Write(std::string_view, std::string_view section, std::string_view key, std::string_view value) {
    Change({ToQString(section), ToQString(key), ToQString(value), false});
}

void cQtSettings::Add(std::string_view, std::string_view section, std::string_view key, std::int64_t delta,
                      std::int64_t lo, std::int64_t hi) {
    Op op{ToQString(section), ToQString(key), {}, false};
    op.Adds = true;
    op.Delta = delta;
    op.Lo = lo;
    op.Hi = hi;
    Change(op);
}

void cQtSettings::RemoveSection(std::string_view, std::string_view section) {
    Change({ToQString(section), {}, {}, true});
}

void cQtSettings::Change(const Op &op) {
    // Within an update every change waits for its end, so that the file takes them all
    // at once (a record and the removal of the game it counts, say).
    // A key written again before then keeps its place and takes the new value.
    BeginUpdate();
    auto same = std::find_if(Pending.rbegin(), Pending.rend(), [&](const Op &o) {
        return o.Section == op.Section && (o.RemovesSection || o.Key == op.Key);
    });
    if (!op.RemovesSection && !op.Adds && same != Pending.rend() && !same->RemovesSection && !same->Adds)
        same->Value = op.Value;
    else
        Pending.push_back(op);
    EndUpdate();
}

} // namespace tabloo
