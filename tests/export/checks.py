"""What every template check script shares: failed checks gathered as one line each, printed at
the end, and the script's exit status from them."""

problems = []


def check(ok, text):
    if not ok:
        problems.append(text)


def report():
    """Prints one line per failed check; returns the exit status (1 if any failed)."""
    for p in problems:
        print(p)
    return 1 if problems else 0
