#include "cOdds.h"

#include "cSolver.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tabloo {

namespace {

// An estimate's deals are searched briefly: one deal that would take long is counted as
// undecided rather than hold the figure up.
constexpr std::uint64_t kStates = 200'000;
// The figure shows once this many deals have been decided.
constexpr int kFirstFigure = 20;

} // namespace

cOdds::cOdds(cSolveService &service, QObject *parent) : QObject(parent), Service(service) {}

cOdds::~cOdds() { cSolveService::Cancel(Job); }

void cOdds::Estimate(const Variant &variant) {
    cSolveService::Cancel(Job);
    Won = Lost = Undecided = 0;
    ++Runs;
    emit Changed();
    Job = Service.Run(
        [this, variant](cSolveService::cJob &job) {
            cDealer dealer(variant);
            cSolver solver(kStates);
            for (int i = 0; i < kDeals && !job.Cancelled(); ++i) {
                const Verdict v = solver.Solve(dealer.Deal(dealer.RandomGameNo()), &job.CancelFlag()).Outcome;
                if (v == Verdict::Cancelled)
                    return;
                job.Post([this, v] {
                    ++(v == Verdict::Winnable ? Won : v == Verdict::Unwinnable ? Lost : Undecided);
                    emit Changed();
                });
            }
        },
        false);
}

namespace {

// The share of `n` deals that `k` stands for, as an interval that holds the share of all
// deals 19 times in 20 (Wilson's score interval, sound also at 0 and at every deal).
std::pair<double, double> Interval(int k, int n) {
    constexpr double z = 1.96;
    const double p = double(k) / n, z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4 * n)) / (1 + z2n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

} // namespace

QString cOdds::Text() const {
    const int decided = Won + Lost, counted = decided + Undecided;
    if (decided < kFirstFigure)
        return counted < kDeals ? tr("Counting how often these rules can be won\u2026")
                                : tr("Too few deals could be decided to tell how often these rules can be won");
    const double percent = 100.0 * Won / decided;
    // The margin holds the chance of the sample and every undecided deal either way: the
    // share of all deals lies between that of the won alone and that of the won and the
    // undecided together.
    const double low = Interval(Won, counted).first * 100, high = Interval(Won + Undecided, counted).second * 100;
    const int margin = std::max(1, int(std::ceil(std::max(percent - low, high - percent))));
    // Below 10 % a tenth tells a rare variant from a hopeless one.
    const QString figure =
        percent < 10 && Won > 0 ? QLocale().toString(percent, 'f', 1) : QLocale().toString(qRound(percent));
    return tr("About %1 % (\u00b1%2 %) of deals can be won, from %3 decided of %4")
        .arg(figure)
        .arg(margin)
        .arg(decided)
        .arg(counted);
}

} // namespace tabloo
