#!/usr/bin/env python3
"""The calculator's dif, int, nul and gau against mpmath on random inputs.

DRIVER reads lines "DECIMALS<TAB>INPUT" and answers each with the line the calculator shows
after Enter. Every case is computed again here with mpmath at 30 digits by mpmath's own
methods (differentiation, tanh-sinh quadrature, a bracketing root solver, the normal
distribution); the shown number must agree with that value to the decimals it shows.

usage: agreement.py DRIVER [--seed N] [--count N]
"""
import argparse
import random
import subprocess
import sys

import mpmath

mpmath.mp.dps = 30
# The calculator's angles are degrees.
DEG = mpmath.pi / 180


def num(rng, low, high, places=2):
    """A random number that the formula text holds exactly as Python prints it."""
    value = round(rng.uniform(low, high), places)
    return 0.0 if value == 0 else value


def term(value):
    """A coefficient written so that a following '+' or '-' reads right."""
    return repr(value)


def signed(value):
    return ("+" if value >= 0 else "-") + repr(abs(value))


# ---- functions: (text, mpmath function, low, high) with low..high the usable domain ----------

def smooth(rng):
    kind = rng.randrange(9)
    if kind == 0:
        a, b, c = num(rng, 0.2, 3), num(rng, -4, 4), num(rng, -5, 5)
        return f"{term(a)}*x^2{signed(b)}*x{signed(c)}", lambda x: a * x**2 + b * x + c, -8, 8
    if kind == 1:
        a, b = num(rng, 0.1, 2), num(rng, 0.5, 6)
        return f"{term(a)}*x^3-{term(b)}*x", lambda x: a * x**3 - b * x, -4, 4
    if kind == 2:
        c = num(rng, 1, 8)
        return f"exp(x/{term(c)})", lambda x: mpmath.exp(x / c), -10, 10
    if kind == 3:
        c = num(rng, 0.5, 4)
        return f"sqrt(x+{term(c)})", lambda x: mpmath.sqrt(x + c), -c + 0.3, 20
    if kind == 4:
        c = num(rng, 1.5, 5)
        return f"ln(x+{term(c)})", lambda x: mpmath.log(x + c), -c + 1.2, 30
    if kind == 5:
        a = num(rng, 0.5, 4)
        return f"{term(a)}*sin(x)", lambda x: a * mpmath.sin(DEG * x), -360, 360
    if kind == 6:
        a = num(rng, 0.5, 4)
        return f"cos(x)*{term(a)}", lambda x: a * mpmath.cos(DEG * x), -360, 360
    if kind == 7:
        a = num(rng, 0.5, 5)
        return f"{term(a)}/(x^2+1)", lambda x: a / (x**2 + 1), -6, 6
    c = num(rng, 1, 5)
    return f"x*exp(-x/{term(c)})", lambda x: x * mpmath.exp(-x / c), -3, 10


def positive(rng):
    kind = rng.randrange(7)
    if kind == 0:
        a, c = num(rng, 0.2, 3), num(rng, 0.5, 5)
        return f"{term(a)}*x^2+{term(c)}", lambda x: a * x**2 + c, -8, 8
    if kind == 1:
        c = num(rng, 1, 8)
        return f"exp(x/{term(c)})", lambda x: mpmath.exp(x / c), -10, 10
    if kind == 2:
        c = num(rng, 0.5, 4)
        return f"sqrt(x+{term(c)})", lambda x: mpmath.sqrt(x + c), -c + 0.3, 20
    if kind == 3:
        c = num(rng, 1.5, 5)
        return f"ln(x+{term(c)})", lambda x: mpmath.log(x + c), -c + 1.2, 30
    if kind == 4:
        a = num(rng, 0.5, 3)
        b = num(rng, a + 0.5, a + 4)
        return f"{term(a)}*sin(x)+{term(b)}", lambda x: a * mpmath.sin(DEG * x) + b, -360, 360
    if kind == 5:
        a = num(rng, 0.5, 5)
        return f"{term(a)}/(x^2+1)", lambda x: a / (x**2 + 1), -6, 6
    c = num(rng, 1, 5)
    return f"x*exp(-x/{term(c)})", lambda x: x * mpmath.exp(-x / c), 0.2, 10


# ---- functions with one zero of their n-th derivative: (text, f, n, low, high) -------------

def with_zero(rng):
    kind = rng.randrange(8)
    if kind == 0:
        c = num(rng, 0.5, 20)
        return f"x^3-{term(c)}", lambda x: x**3 - c, 0, 0, 3
    if kind == 1:
        k, c = num(rng, 1, 5), num(rng, 0.3, 6)
        return f"exp(x/{term(k)})-{term(c)}", lambda x: mpmath.exp(x / k) - c, 0, -10, 10
    if kind == 2:
        c = num(rng, 0.2, 1.8)
        return f"ln(x+1)-{term(c)}", lambda x: mpmath.log(x + 1) - c, 0, 0, 6
    if kind == 3:
        c = num(rng, -0.9, 0.9)
        return f"sin(x){signed(-c)}", lambda x: mpmath.sin(DEG * x) - c, 0, -80, 80
    if kind == 4:
        a, b = num(rng, 0.3, 4), num(rng, -6, 6)
        return f"{term(a)}*x{signed(b)}", lambda x: a * x + b, 0, -10, 10
    if kind == 5:
        c = num(rng, 0.3, 6)
        return f"x^3/3-{term(c)}*x", lambda x: x**3 / 3 - c * x, 1, 0.2, 3
    if kind == 6:
        k, c = num(rng, 1, 3), num(rng, 0.5, 3)
        return (f"exp(x/{term(k)})-{term(c)}*x", lambda x: mpmath.exp(x / k) - c * x, 1,
                -5, 5)
    c = num(rng, -2, 2)
    return f"x^3{signed(-3 * c)}*x^2", lambda x: x**3 - 3 * c * x**2, 2, -3, 3


def value_text(x, places=3):
    return repr(round(x, places))


def make_cases(rng, count):
    cases = []  # (decimals, input, prefix, exact)
    while len(cases) < count:
        decimals = rng.randrange(0, 7)
        which = len(cases) % 4
        if which == 0:
            text, f, low, high = smooth(rng)
            n = rng.randrange(3)
            a = round(rng.uniform(low + 0.05, high - 0.05), 3)
            cases.append((decimals, f"dif({text},{n},{value_text(a)})", "z = ",
                          mpmath.diff(f, mpmath.mpf(repr(a)), n)))
        elif which == 1:
            text, f, low, high = positive(rng)
            a = round(rng.uniform(low, high - 0.2), 3)
            b = round(rng.uniform(a + 0.1, high), 3)
            if b <= a:
                continue
            cases.append((decimals, f"int({text},{value_text(a)},{value_text(b)})", "z = ",
                          mpmath.quad(f, [mpmath.mpf(repr(a)), mpmath.mpf(repr(b))])))
        elif which == 2:
            text, f, n, low, high = with_zero(rng)
            derivative = (lambda x: f(x)) if n == 0 else (lambda x: mpmath.diff(f, x, n))
            a = round(rng.uniform(low, high), 2)
            b = round(rng.uniform(low, high), 2)
            a, b = min(a, b), max(a, b)
            fa, fb = derivative(mpmath.mpf(repr(a))), derivative(mpmath.mpf(repr(b)))
            # One crossing with a slope that fixes the zero to far more than the shown decimals.
            if b - a < 0.1 or fa * fb >= 0:
                continue
            zero = mpmath.findroot(derivative, (mpmath.mpf(repr(a)), mpmath.mpf(repr(b))),
                                   solver="anderson")
            if not a < zero < b or abs(mpmath.diff(derivative, zero)) < 0.05:
                continue
            cases.append((decimals, f"nul({text},{n},{value_text(a)},{value_text(b)})", "z = ",
                          zero))
        else:
            z = round(rng.uniform(-5, 5), 3)
            cases.append((decimals, f"gau({value_text(z)})", "w = ",
                          abs(mpmath.ncdf(mpmath.mpf(repr(z))) - mpmath.mpf("0.5"))))
    return cases


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("driver")
    parser.add_argument("--seed", type=int, default=19)
    parser.add_argument("--count", type=int, default=200)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    cases = make_cases(rng, args.count)
    stdin = "".join(f"{d}\t{text}\n" for d, text, _, _ in cases)
    run = subprocess.run([args.driver], input=stdin, capture_output=True, text=True,
                         check=True)
    shown = run.stdout.split("\n")
    failures = 0
    for (decimals, text, prefix, exact), line in zip(cases, shown):
        ok = False
        if line.startswith(prefix):
            number = line[len(prefix):]
            places = len(number.split(".")[1]) if "." in number else 0
            try:
                value = mpmath.mpf(number)
                tolerance = mpmath.mpf(10) ** -decimals / 2 + mpmath.mpf("1e-7") * max(1, abs(exact))
                ok = places == decimals and abs(value - exact) <= tolerance
            except ValueError:
                ok = False
        if not ok:
            failures += 1
            print(f"decimals {decimals}: {text} shows '{line}', "
                  f"expected {prefix}{mpmath.nstr(exact, 15)}")
    if len(shown) < len(cases) + 1:
        print(f"driver answered {len(shown) - 1} of {len(cases)} cases")
        failures += 1
    print(f"{len(cases) - failures} of {len(cases)} agree")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
