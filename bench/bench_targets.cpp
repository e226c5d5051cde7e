// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, for each performance target on the command line, the figure measured in a Google
// Benchmark JSON report (--benchmark_out_format=json) and whether it is met: from the median of
// the repetitions where there are any, else from the single run. A missed target does not fail
// the program; a report it cannot read does.
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
#include <QStringList>
#include <cstdio>

namespace {

// The runs of a report by name; a median, once there, stands for its benchmark.
QHash<QString, QJsonObject> FiguresByName(const QJsonArray& benchmarks) {
    QHash<QString, QJsonObject> figures;
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value("run_name").toString();
        const QString aggregate = entry.value("aggregate_name").toString();
        // Releases before 1.8 mark a failed run with error_occurred, later ones with skipped.
        const bool failed =
            entry.value("error_occurred").toBool() || entry.value("skipped").toBool();
        if (!failed &&
            (aggregate == "median" || (aggregate.isEmpty() && !figures.contains(name)))) {
            figures[name] = entry;
        }
    }
    return figures;
}

// One line for one target, or a line that says why it cannot be judged.
QString TargetLine(const QString& target, const QHash<QString, QJsonObject>& figures) {
    const QStringList fields = target.split('|');
    const QString kind = fields.value(0);
    if (!QStringList{"ratio", "share", "rate"}.contains(kind) ||
        fields.size() != (kind == "rate" ? 5 : 6)) {
        return QStringLiteral("malformed target: %1").arg(target);
    }
    const QString label = fields[1].leftJustified(50);
    if (!figures.contains(fields[2])) {
        return QStringLiteral("%1 not run").arg(label);
    }
    const QJsonObject entry = figures[fields[2]];
    for (const QString& counter : fields.mid(3, kind == "ratio" ? 2 : 1)) {
        if (!entry.value(counter).isDouble()) {
            return QStringLiteral("%1 has no counter %2").arg(label, counter);
        }
    }
    const double value = entry.value(fields[3]).toDouble();
    const double limit = fields.last().toDouble();
    const auto verdict = [](bool met) { return met ? "met" : "NOT MET"; };
    if (kind == "ratio") {
        const double denominator = entry.value(fields[4]).toDouble();
        const double ratio = value / denominator;
        return label + QString::asprintf(" %8.3f  (%.1f / %.1f; target <= %g) %s", ratio, value,
                                         denominator, limit, verdict(ratio <= limit));
    }
    if (kind == "share") {
        const double budgetMs = fields[4].toDouble();
        const double share = value * 1e-3 / budgetMs;
        return label + QString::asprintf(" %7.3f %%  (%.1f us of %g ms; target <= %g %%) %s",
                                         share * 100, value, budgetMs, limit * 100,
                                         verdict(share <= limit));
    }
    return label + QString::asprintf(" %8.3g /s  (target >= %.3g /s) %s", value, limit,
                                     verdict(value >= limit));
}

}  // namespace

int main(int argc, char** argv) {
    QFile report(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    const QJsonDocument document =
        QJsonDocument::fromJson(report.open(QIODevice::ReadOnly) ? report.readAll() : "");
    if (argc < 2 || !document.isObject()) {
        std::fprintf(stderr, "usage: %s REPORT TARGET... (REPORT: a JSON report)\n", argv[0]);
        return 1;
    }
    const auto figures = FiguresByName(document.object().value("benchmarks").toArray());
    std::printf("\nTargets (medians where repeated):\n");
    for (int i = 2; i < argc; ++i) {
        std::printf("  %s\n", qPrintable(TargetLine(QString::fromLocal8Bit(argv[i]), figures)));
    }
    return 0;
}
