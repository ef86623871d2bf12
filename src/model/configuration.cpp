// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/configuration.h"

#include <algorithm>

namespace ab {

WingCountMenu wingCountMenu(int n)
{
    WingCountMenu m;
    if (n < 1 || n > MaxWings) {
        m.wing21 = m.wing31 = false;
        return m;
    }
    m.wing21 = n >= 2;
    m.wing31 = n >= 3;
    // chng1 swaps 1 and 2, chng2 and chng3 need wing 3, chng4 wing 4, chng5 wing 5.
    constexpr int needs[MaxWings + 1] = {0, 2, 3, 3, 4, 5};
    for (int k = 1; k <= MaxWings; ++k)
        m.exchange[k] = n >= needs[k];
    return m;
}

CopyCommands copyCommandsAfterPageChange(int page, bool copyAvailable, CopyCommands current)
{
    if (page >= 1 && page <= 3)
        return {true, copyAvailable};
    if (page == AircraftPage || page == RemarksPage)
        return {false, false};
    return current;
}

CopyCommands copyCommandsAfterMenuJump(int page, bool copyAvailable, CopyCommands current)
{
    if (page == AircraftPage)
        return {false, false};
    return {true, current.insert || copyAvailable};
}

int trapezoidOfRole(Role role)
{
    const int r = static_cast<int>(role);
    if (role == Role::RootGap || role == Role::RootChord || role == Role::PosX || role == Role::PosZ)
        return 0;
    return (r - static_cast<int>(Role::Width1)) / 3 + 1;
}

ExchangePairing exchangePairing(int pair)
{
    // Pair 4 reads and writes wing 4 first; the others start with the lower wing.
    constexpr ExchangePairing pairs[MaxWings + 1] = {{1, 2}, {1, 2}, {1, 3}, {2, 3}, {4, 3}, {4, 5}};
    return pairs[pair >= 1 && pair <= MaxWings ? pair : 1];
}

std::vector<ExchangeStep> exchangeSteps(const AircraftTexts& texts, int pair)
{
    const ExchangePairing p = exchangePairing(pair);
    const WingTexts a = texts.wing[p.bufferA];
    const WingTexts b = texts.wing[p.bufferB];
    std::vector<ExchangeStep> steps;
    auto writeWing = [&](int w, const WingTexts& from) {
        for (int r = 0; r < RoleCount; ++r)
            steps.push_back({w, ExchangeWrite::Field, static_cast<Role>(r), from.field[r], 1});
        for (int k = 1; k <= MaxTrapezoids; ++k)
            steps.push_back({w, ExchangeWrite::Dihedral, Role::RootGap, from.dihedral[k], 1, k});
        steps.push_back({w, ExchangeWrite::TrapezoidCount, Role::RootGap, {}, from.trapezoidCount});
        steps.push_back({w, ExchangeWrite::Name, Role::RootGap, from.name, 1});
    };
    writeWing(p.bufferA, b);
    writeWing(p.bufferB, a);
    return steps;
}

void applyToTexts(const ExchangeStep& step, AircraftTexts& texts)
{
    WingTexts& wing = texts.wing[step.wing];
    switch (step.write) {
    case ExchangeWrite::Field: wing[step.role] = step.text; break;
    case ExchangeWrite::TrapezoidCount: wing.trapezoidCount = step.trapezoidCount; break;
    case ExchangeWrite::Name: wing.name = step.text; break;
    case ExchangeWrite::Dihedral: wing.dihedral[std::clamp(step.trapezoid, 1, MaxTrapezoids)] = step.text; break;
    }
}

FieldHandling fieldHandling(Role role)
{
    if (role == Role::RootGap)
        return FieldHandling::GapEvaluation;
    if (role == Role::PosX || role == Role::PosZ)
        return FieldHandling::RecalculationPass;
    return FieldHandling::WingEvaluation;
}

} // namespace ab
