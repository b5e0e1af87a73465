// Result lists of made-up candidates for the report's tests: every value is
// distinct, so that a text shows which field and temperature it came from.
#pragma once

#include "core/engine/ResultList.h"

#include <memory>
#include <string>
#include <utility>

namespace dorvanta::testing_report {

// A candidate whose values at temperature index t are base + t (Irms, Vrms,
// MTBF in whole units; DCL and FIT in hundredths; failure rates as 1.t e-3).
inline std::unique_ptr<TPartNoInfo> Candidate(std::string caseSize, Real base = 100) {
    auto info = std::make_unique<TPartNoInfo>();
    info->CaseSize = std::move(caseSize);
    info->Capacitance = 10;
    info->RatedVoltage = 6.3L;
    info->DCLmax = 0.6L;
    info->DF = 8;
    info->ESRmax = 1600;
    TPocitaneInfo& p = info->Pocitane;
    for (std::size_t t = 0; t < p.Irms.size(); ++t) {
        const auto shift = static_cast<Real>(t);
        p.Irms[t] = base + shift;
        p.Vrms[t] = base + 10 + shift;
        p.MTBF[t] = base + 20 + shift;
        p.DCL[t] = 0.11L * (shift + 1);
        p.FIT[t] = 50 + 1.25L * shift;
        p.FailureRate[t] = (1 + shift / 10) * 1e-3L;
    }
    p.Derating = 20.6L;
    p.TestSurge = 3.4L;
    p.AppSurge = 3.1L;
    return info;
}

// A line "PARTNUMBER 6.3" with its candidate.
inline void AddPart(TResultList& list, const std::string& partNumber,
                    std::unique_ptr<TPartNoInfo> info) {
    list.Add(partNumber + " 6.3", std::move(info));
}

// `count` KEL parts: KELA000, KELA001, ...
inline TResultList KelParts(int count) {
    TResultList list;
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i);
        number.insert(0, 3 - number.size(), '0');
        AddPart(list, "KELA" + number + "*006#", Candidate("A"));
    }
    return list;
}

} // namespace dorvanta::testing_report
