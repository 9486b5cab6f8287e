// The table the benchmark prints: each figure beside its baseline, their ratio, the
// target and whether it is met.
#pragma once

#include <optional>
#include <string>
#include <vector>

class Table
{
public:
    // A target on the ratio to the baseline: at most `limit` times it.
    void addRatioTarget(const std::string &figure, double measured, double baseline,
                        const char *unit, double limit);
    // A target on the figure itself, in milliseconds: under `limitMs`.
    void addTimeLimit(const std::string &figure, double measured, double baseline, double limitMs);
    void addWithoutTarget(const std::string &figure, double measured, double baseline,
                          const char *unit);

    void print(const std::string &title) const;

private:
    struct Row {
        std::string figure;
        double measured;
        double baseline;
        const char *unit;
        std::string target;
        std::optional<bool> met;
    };
    std::vector<Row> m_rows;
};
