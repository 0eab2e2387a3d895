#pragma once

#include "contrast/ContrastAudit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The audit as the command line prints it. Ratios are rounded to two decimals here,
// for display only (pass and fail were decided on the exact values), and a failing
// ratio is rounded down where rounding would reach what it needs.

// "#RRGGBB" of a colour value.
QString colorHex(qint32 value);

// A check's value as every view shows it, to two decimals: "4.48". A failing value is
// never shown at or above what it needs (2.999 against 3 shows as 2.99).
QString shownRatio(const ContrastCheck& check);
// Any other ratio to two decimals, rounded: "1.67".
QString ratioText(double ratio);

// One line per check:
//   BODY #777777 on #FFFFFF ratio 4.48 needs 4.50 FAIL
//   BANNER #FFFFFF on #2B3348 ratio 9.10 needs 3.00 PASS lowest 2.10   (over a picture)
//   REGULARLINK #0000EE vs BODY #000000 ratio 2.23 needs 3.00 FAIL (advice)
//   HEADING3 #C44A2E vs HEADING2 #217063 deuteranopia distance 2.10 needs 4.00 FAIL (advice)
QString auditLine(const ContrastCheck& check);
// With `nameVariant`, each line starts with the variant judged: "[dark] BODY ...".
QStringList auditText(const ContrastAudit& audit, bool nameVariant = false);

// {"format": 2, "level": "AA", "checks": [{"section": ..., "foreground": "#RRGGBB",
// "background": "#RRGGBB", "ratio": 4.48, "required": 4.5, "pass": false, "advice":
// false}, ...]}, one check a line. Advice adds "with" (the other section); a picture
// backdrop adds "lowest"; colour-vision advice adds "deficiency" and "measure":
// "distance".
QByteArray auditJson(const ContrastAudit& audit);
// The checks of audits of several variants in one object, each check carrying first
// the variant it judged and its level: "variant": "contrast", "level": "AAA" (the
// object's "level" is the first audit's).
QByteArray auditJson(const std::vector<ContrastAudit>& audits);

// The command line's exit status for an audit or several: 0 when every check passes, 3
// when any check fails; advice never counts.
int auditExitStatus(const ContrastAudit& audit);
int auditExitStatus(const std::vector<ContrastAudit>& audits);
