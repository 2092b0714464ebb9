#!/usr/bin/env python3
"""The golden texts of the result tests, worked out again in exact arithmetic.

Each job below is a result (its eight tooth counts) on the fields of the
regression job: index constant 30, feed constant 0.075, pitch 10, helix 30,
one hob thread. With sin 30 = 1/2 and cos 30 = sqrt(3)/2 every quantity is a
rational number times a power of pi, so exact fractions and pi to 120 digits
give every shown digit; the program's 100-digit arithmetic differs from the
exact values far below the last digit shown (its C carries 1e-110 more).

    golden_texts.py           prints each text with the test file that holds it
    golden_texts.py --check   and fails (status 1) when a test file does not
                              hold one of them verbatim in a string literal
"""

import decimal
import math
import os
import re
import sys
from decimal import Decimal
from fractions import Fraction

decimal.getcontext().prec = 130

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RESULT_DISPLAY_TEST = "tests/support/worked_results.h"
SOLVE_TOOL_TEST = "tests/tools/corvanta_solve_test.cpp"


def pi():
    """pi = 16 atan(1/5) - 4 atan(1/239) (Machin), to the context's precision."""

    def atan_inverse(n):
        total, term, k, sign = Decimal(0), Decimal(1) / n, 1, 1
        n2 = n * n
        while term != 0:
            total += sign * term / k
            term /= n2
            k += 2
            sign = -sign
        return total

    return 16 * atan_inverse(5) - 4 * atan_inverse(239)


PI = pi()
SIN_HELIX = Fraction(1, 2)  # helix 30
COS_HELIX = Decimal(3).sqrt() / 2
KI, KF, PN, T = Fraction(30), Fraction(75, 1000), Fraction(10), 1


def decimal_of(x):
    """A Fraction as a Decimal, to the context's precision."""
    return Decimal(x.numerator) / Decimal(x.denominator)


def fixed(x, places):
    """x with `places` decimals, rounded as the stream output rounds."""
    return format(x.quantize(Decimal(1).scaleb(-places), rounding=decimal.ROUND_HALF_EVEN), "f")


def c_of(index_q, index_p, teeth, sign):
    y = Fraction(index_p[0] * index_p[1], index_q[0] * index_q[1])
    return sign * y / (KI * T - teeth * y)


def c_line(c, index_q, index_p, teeth, sign):
    p = KI * T * c
    m = c * teeth + sign
    q2, q4 = p / index_p[1], m / index_q[1]
    quantities = [c, p, q2, p / index_p[0], q4, m / index_q[0], q2 / index_p[0], q4 / index_q[0]]
    # P and M themselves are not among the seven the program tests, but
    # they are whole whenever C is (their gears are whole), so they change
    # nothing.
    for k in range(1, 10000):
        if all((q * k).denominator == 1 for q in quantities):
            if math.floor(c) <= 0:
                return ""
            reduced = Fraction(math.floor(c * k), k)
            text = "C: %d" % reduced.numerator
            return text + ("/%d" % reduced.denominator if reduced.denominator != 1 else "")
    return ""


def display_texts(teeth, sign, feed_q, feed_p, index_q, index_p):
    """The result display's texts, joined as the display test joins them."""
    c = c_of(index_q, index_p, teeth, sign)
    pi_over_pn = PI / decimal_of(PN)
    f = Fraction(feed_p[0] * feed_p[1], feed_q[0] * feed_q[1])
    wanted = pi_over_pn / decimal_of(c * KF * SIN_HELIX)
    actual = pi_over_pn / decimal_of(c * SIN_HELIX)
    lead = decimal_of(c * f * KF * teeth)
    lead_error = lead - pi_over_pn / decimal_of(SIN_HELIX) * teeth

    def cells(upper, lower):
        return "%d %d / %d %d" % (min(upper), max(upper), max(lower), min(lower))

    return " | ".join([
        cells(index_p, index_q),
        cells(feed_p, feed_q),
        c_line(c, index_q, index_p, teeth, sign),
        "Index Error: None",
        "Feed Error: " + fixed(decimal_of(f) - wanted, 12),
        "Actual Feed From C: " + fixed(actual, 10) + " Along Helix Angle: " +
        fixed(actual / COS_HELIX, 11)[:-1],
        "Lead: " + fixed(lead, 10) + " (Error: " + fixed(lead_error, 10) + ")",
    ])


def golden_texts():
    """(test file, text) for every golden text."""
    texts = []
    # The display test's results: teeth, sign, then feed Q, feed P, index Q,
    # index P as that test lists them.
    for job in [
            (35, -1, (85, 53), (47, 35), (36, 34), (35, 30)),  # C = 35
            (2, +1, (85, 53), (47, 35), (18, 16), (71, 60)),  # C = 71/2
            (1, -1, (85, 53), (47, 35), (16, 16), (157, 121)),  # C = 18997/11317
    ]:
        texts.append((RESULT_DISPLAY_TEST, display_texts(*job)))

    # corvanta-solve's best train of the regression job (40 teeth, set-up
    # row 0, sign -1): its C line, and the C and the feed error's size it
    # stores, with 30 decimals.
    index_q, index_p, feed_q, feed_p = (69, 62), (44, 73), (85, 53), (35, 47)
    c = c_of(index_q, index_p, 40, -1)
    texts.append((SOLVE_TOOL_TEST, c_line(c, index_q, index_p, 40, -1)))
    texts.append((SOLVE_TOOL_TEST, fixed(decimal_of(c), 30)))
    f = Fraction(feed_p[0] * feed_p[1], feed_q[0] * feed_q[1])
    wanted = PI / decimal_of(PN) / decimal_of(c * KF * SIN_HELIX)
    texts.append((SOLVE_TOOL_TEST, fixed(abs(decimal_of(f) - wanted), 30)))
    return texts


def string_literals(path):
    """Every C++ string literal of the file, adjacent ones joined."""
    with open(os.path.join(ROOT, path), encoding="utf-8") as source:
        text = source.read()
    literal = r'"(?:[^"\\\n]|\\.)*"'
    joined = []
    for run in re.finditer(r"%s(?:\s*%s)*" % (literal, literal), text):
        parts = re.findall(literal, run.group(0))
        joined.append("".join(p[1:-1].encode().decode("unicode_escape") for p in parts))
    return joined


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] not in ([], ["--check"]):
        sys.exit(__doc__)
    missing = 0
    literals = {}
    for path, text in golden_texts():
        print("%s: %s" % (path, text))
        if check:
            if path not in literals:
                literals[path] = string_literals(path)
            if text not in literals[path]:
                print("  not in %s" % path)
                missing += 1
    if missing:
        sys.exit("%d golden texts are not what their derivation gives" % missing)


if __name__ == "__main__":
    main()
