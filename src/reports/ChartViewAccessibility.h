#pragma once

namespace mirtal::reports {

// Lets assistive tools see the report chart as a chart, named by its title and described by
// what it draws, and open its menu. Installed once, by the first chart view.
void installChartViewAccessibility();

}  // namespace mirtal::reports
