"""Where a fret-slot template's lines must lie, in millimetres, worked out here from equal temperament
and the board's documented construction rather than taken from vesk:

- each edge has its own scale; fret n lies L (1 - 2^(-n/12)) from that edge's nut end, measured along
  the centreline (x); the perpendicular fret stands at the same x on both edges, and the nut's nearer
  end is at x = 0;
- the board is symmetric about the centreline (y = 0), the bass edge at y > 0, its width linear in x:
  the nut width where a centre string of the mean scale crosses the nut, the given width where it
  crosses the given fret.
"""
import argparse


def fraction(n):
    return 1.0 - 2.0 ** (-n / 12.0)


class Board:
    def __init__(self, bass, treble, perpendicular, frets, nut, width_fret, width, board_end_fret=None,
                 slot=0.0, extend=0.0, compensation=0.0):
        self.bass, self.treble, self.perpendicular, self.frets = bass, treble, perpendicular, frets
        self.slot, self.extend, self.compensation = slot, extend, compensation
        self.square = max(bass, treble) * fraction(perpendicular)
        mean = 0.5 * (bass + treble)
        nut_x = self.square - mean * fraction(perpendicular)
        fret_x = nut_x + mean * fraction(width_fret)
        self.width_at = lambda x: nut + (width - nut) * (x - nut_x) / (fret_x - nut_x)
        self.end_fret = frets + 1 if board_end_fret is None else board_end_fret

    def nut_end(self, scale):
        return self.square - scale * fraction(self.perpendicular)

    def across(self, n):
        """The line of fret n (the nut for 0): its bass end, then its treble end."""
        xb = self.nut_end(self.bass) + self.bass * fraction(n)
        xt = self.nut_end(self.treble) + self.treble * fraction(n)
        return (xb, 0.5 * self.width_at(xb)), (xt, -0.5 * self.width_at(xt))

    def extended(self, n):
        (bx, by), (tx, ty) = self.across(n)
        length = ((bx - tx) ** 2 + (by - ty) ** 2) ** 0.5
        ux, uy = (bx - tx) / length, (by - ty) / length
        e = self.extend
        return (bx + ux * e, by + uy * e), (tx - ux * e, ty - uy * e)

    def saddle(self):
        xb = self.nut_end(self.bass) + self.bass + self.compensation
        xt = self.nut_end(self.treble) + self.treble + self.compensation
        return (xb, 0.5 * self.width_at(xb)), (xt, -0.5 * self.width_at(xt))

    def outline(self):
        """Bass nut, bass end, treble end, treble nut."""
        (nb, nt), (eb, et) = self.across(0), self.across(self.end_fret)
        return [nb, eb, et, nt]


def add_arguments(ap):
    ap.add_argument('--scale', required=True, help='L or BASS,TREBLE in mm')
    ap.add_argument('--perpendicular', type=int, default=0)
    ap.add_argument('--frets', type=int, required=True)
    ap.add_argument('--nut', type=float, required=True)
    ap.add_argument('--width-at', required=True, help='FRET=WIDTH in mm')
    ap.add_argument('--board-end-fret', type=float)
    ap.add_argument('--slot', type=float, default=0.0)
    ap.add_argument('--extend', type=float, default=0.0)
    ap.add_argument('--compensation', type=float, default=0.0)


def board_from(a):
    scales = [float(s) for s in a.scale.split(',')]
    bass, treble = scales[0], scales[-1]
    fret, width = a.width_at.split('=')
    return Board(bass, treble, a.perpendicular, a.frets, a.nut, int(fret), float(width), a.board_end_fret,
                 a.slot, a.extend, a.compensation)


def parser(description):
    ap = argparse.ArgumentParser(description=description)
    add_arguments(ap)
    return ap
