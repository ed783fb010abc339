// The worked example: known points, the name of P, the eight observed angles, and every text the
// window shows at the end of its run, written out in full.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace velmora::ui::testing {

inline const QStringList kExampleCoordinates = {"5000", "3000", "6200", "4000", "5100", "5200"};
inline const QString kExamplePointName = QStringLiteral("P17");
inline const QStringList kExampleAngles = {"42.1745", "47.3529", "47.3613", "42.3039",
                                           "44.5957", "44.5315", "45.0646", "45.0005"};

// Field -> text after the run, echoes and results.
inline const QList<QPair<QString, QString>> kExampleFields = {
    {"Text1", " 5000"},       {"Text2", " 3000"},         {"Text3", " 6200"},
    {"Text4", " 4000"},       {"Text5", " 5100"},         {"Text6", " 5200"},
    {"Text22", "   P17"},     {"Text7_0", "  42.1745"},   {"Text7_1", "  47.3529"},
    {"Text7_2", "  47.3613"}, {"Text7_3", "  42.3039"},   {"Text7_4", "  44.5957"},
    {"Text7_5", "  44.5315"}, {"Text7_6", "  45.0646"},   {"Text7_7", "  45.0005"},
    {"Text8", "   6 秒"},     {"Text9", "   3 秒"},       {"Text10", "  -3.22 秒"},
    {"Text11", "  5.3 秒"},   {"Text12", "  0.5 秒"},     {"Text13", "-0.92 单位"},
    {"Text16", "   0.2387"},  {"Text17", "   1.1105"},    {"Text15", " 2.78 秒"},
    {"Text25", " 1/533000"},  {"Text18", "  21.69 毫米"}, {"Text14", "  3899.98"},
    {"Text21", "  4099.989"}, {"Text23", "  3899.98"},    {"Text24", "  4099.989"},
    {"Text19", "  3899.98"},  {"Text20", "  4099.989"},
};

}  // namespace velmora::ui::testing
