#include "cOdds.h"

#include "cSolver.h"

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

void cOdds::Estimate(const cDealer::Variant &variant) {
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

QString cOdds::Text() const {
    const int decided = Won + Lost;
    if (decided < kFirstFigure)
        return Won + Lost + Undecided < kDeals
                   ? QStringLiteral("Counting how often these rules can be won\u2026")
                   : QStringLiteral("Too few deals could be decided to tell how often these rules can be won");
    const double percent = 100.0 * Won / decided;
    // Below 10 % a tenth tells a rare variant from a hopeless one.
    const QString figure =
        percent < 10 && Won > 0 ? QString::number(percent, 'f', 1) : QString::number(qRound(percent));
    return QStringLiteral("About %1 % of deals can be won").arg(figure);
}

} // namespace tabloo
