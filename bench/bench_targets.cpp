// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the JSON report of a Google Benchmark program (--benchmark_out=FILE
// --benchmark_out_format=json) and prints, for each performance target given on the command
// line, the measured figure and whether it is met. Each figure comes from the median of the
// repetitions where there are any, else from the single run. The figures are for reading: a
// missed target does not fail the program; a report it cannot read does.
//
//   bench_targets REPORT TARGET...
//
// A target is one argument of fields separated by '|':
//   ratio|LABEL|BENCHMARK|NUMERATOR|DENOMINATOR|LIMIT   counter / counter, at most LIMIT
//   share|LABEL|BENCHMARK|MICROSECONDS|BUDGET_MS|LIMIT  counter (us) / budget, at most LIMIT
//   rate|LABEL|BENCHMARK|COUNTER|LIMIT                  counter (per second), at least LIMIT

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

struct Figures {
    QJsonObject entry;
    bool fromMedian = false;
};

// The runs of a report by name; a median, once there, stands for its benchmark.
QHash<QString, Figures> FiguresByName(const QJsonArray& benchmarks) {
    QHash<QString, Figures> figures;
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject entry = value.toObject();
        const bool aggregate = entry.value("run_type").toString() == "aggregate";
        const bool median = aggregate && entry.value("aggregate_name").toString() == "median";
        // Releases before 1.8 mark a failed run with error_occurred, later ones with skipped.
        const bool failed =
            entry.value("error_occurred").toBool() || entry.value("skipped").toBool();
        if (failed || (aggregate && !median)) {
            continue;
        }
        Figures& figure = figures[entry.value("run_name").toString()];
        if (figure.fromMedian && !median) {
            continue;
        }
        figure = {entry, median};
    }
    return figures;
}

// One line for one target, or a line that says why it cannot be judged.
QString TargetLine(const QString& target, const QHash<QString, Figures>& figures) {
    const QStringList fields = target.split('|');
    const QString kind = fields.value(0);
    const int counters = kind == "ratio" ? 2 : 1;
    if (!QStringList{"ratio", "share", "rate"}.contains(kind) ||
        fields.size() != (kind == "rate" ? 5 : 6)) {
        return QStringLiteral("malformed target: %1").arg(target);
    }
    const QString label = fields[1].leftJustified(50);
    const auto found = figures.find(fields[2]);
    if (found == figures.end()) {
        return QStringLiteral("%1 not run").arg(label);
    }
    for (const QString& counter : fields.mid(3, counters)) {
        if (!found->entry.value(counter).isDouble()) {
            return QStringLiteral("%1 has no counter %2").arg(label, counter);
        }
    }
    const double value = found->entry.value(fields[3]).toDouble();
    const double limit = fields.last().toDouble();
    const auto verdict = [](bool met) { return met ? "met" : "NOT MET"; };
    if (kind == "ratio") {
        const double denominator = found->entry.value(fields[4]).toDouble();
        return QStringLiteral("%1 %2  (%3 / %4; target <= %5) %6")
            .arg(label)
            .arg(value / denominator, 8, 'f', 3)
            .arg(value, 0, 'f', 1)
            .arg(denominator, 0, 'f', 1)
            .arg(limit)
            .arg(verdict(value / denominator <= limit));
    }
    if (kind == "share") {
        const double budgetMs = fields[4].toDouble();
        const double share = value * 1e-3 / budgetMs;
        return QStringLiteral("%1 %2 %  (%3 us of %4 ms; target <= %5 %) %6")
            .arg(label)
            .arg(share * 100, 7, 'f', 3)
            .arg(value, 0, 'f', 1)
            .arg(budgetMs)
            .arg(limit * 100)
            .arg(verdict(share <= limit));
    }
    return QStringLiteral("%1 %2 /s  (target >= %3 /s) %4")
        .arg(label)
        .arg(value, 8, 'g', 3)
        .arg(limit, 0, 'g', 3)
        .arg(verdict(value >= limit));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s REPORT TARGET...\n", argv[0]);
        return 2;
    }
    QFile report(QString::fromLocal8Bit(argv[1]));
    if (!report.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(report.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        std::fprintf(stderr, "%s: %s is no benchmark report: %s\n", argv[0], argv[1],
                     qPrintable(error.errorString()));
        return 1;
    }
    const QHash<QString, Figures> figures =
        FiguresByName(document.object().value("benchmarks").toArray());
    std::printf("\nTargets (medians where repeated):\n");
    for (int i = 2; i < argc; ++i) {
        std::printf("  %s\n", qPrintable(TargetLine(QString::fromLocal8Bit(argv[i]), figures)));
    }
    return 0;
}
