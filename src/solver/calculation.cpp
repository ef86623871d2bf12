#include "solver/calculation.h"

namespace ab {

CalculationRun calculate(Aircraft& aircraft, AircraftTexts&, SolverData&, Language, const CalculationCallbacks&)
{
    CalculationRun run;
    aircraft.ActiveWingCount = aircraft.WingCount;
    return run;
}

} // namespace ab
