#include "Table.h"

#include <cstdio>

void Table::addRatioTarget(const std::string &figure, double measured, double baseline,
                           const char *unit, double limit)
{
    char target[32];
    std::snprintf(target, sizeof target, "<= %.2f x", limit);
    m_rows.push_back({figure, measured, baseline, unit, target, measured <= limit * baseline});
}

void Table::addTimeLimit(const std::string &figure, double measured, double baseline,
                         double limitMs)
{
    char target[32];
    std::snprintf(target, sizeof target, "< %g ms", limitMs);
    m_rows.push_back({figure, measured, baseline, "ms", target, measured < limitMs});
}

void Table::addWithoutTarget(const std::string &figure, double measured, double baseline,
                             const char *unit)
{
    m_rows.push_back({figure, measured, baseline, unit, "-", std::nullopt});
}

void Table::print(const std::string &title) const
{
    std::printf("\n%s\n", title.c_str());
    std::printf("%-48s %13s %13s %7s %11s %4s\n", "figure", "measured", "baseline", "ratio",
                "target", "met");
    for (const Row &row : m_rows) {
        std::printf("%-48s %9.2f %-3s %9.2f %-3s %7.2f %11s %4s\n", row.figure.c_str(),
                    row.measured, row.unit, row.baseline, row.unit, row.measured / row.baseline,
                    row.target.c_str(),
                    !row.met   ? "-"
                    : *row.met ? "yes"
                               : "NO");
    }
}
