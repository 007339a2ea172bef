// How often a variant can be won: random deals of it solved in the background, the figure
// refined as each answer arrives; a new variant starts the count again.
#pragma once

#include "cDealer.h"
#include "cSolveService.h"

#include <QObject>
#include <QString>

namespace tabloo {

class cOdds : public QObject {
    Q_OBJECT
public:
    // Deals solved for one estimate.
    static constexpr int kDeals = 1000;

    explicit cOdds(cSolveService &service, QObject *parent = nullptr);
    ~cOdds() override;

    // Starts counting again for these rules.
    void Estimate(const Variant &variant);
    // "About N % (±M %) of deals can be won, from D decided of C", or that the count has
    // only begun.
    QString Text() const;
    // The deals counted so far: winnable, not winnable, undecided.
    int Won = 0, Lost = 0, Undecided = 0;
    // How many estimates have been started.
    int Runs = 0;

signals:
    void Changed();

private:
    cSolveService &Service;
    cSolveService::Ticket Job;
};

} // namespace tabloo
