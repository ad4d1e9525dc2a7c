"""Where a fret-slot template's lines must lie, in millimetres, worked out here from equal temperament
and the board's documented construction rather than taken from vesk:

- each edge has its own scale; fret n lies L (1 - 2^(-n/12)) from that edge's nut end, measured along
  the centreline (x); the perpendicular fret stands at the same x on both edges, and the nut's nearer
  end is at x = 0;
- the board is symmetric about the centreline (y = 0), its width linear in x: the nut width where a
  centre string of the mean scale crosses the nut, the given width where it crosses the given fret;
- the scales are the outer strings'. With string margins the strings lie that far inside the edges
  (square to the centreline; the nut margin where the centre string crosses the nut, the last-fret
  margin where it crosses the last fret, linear in x), each fret runs through its places on the two
  strings and on to the edges; without margins the strings are the edges;
- right-handed (the default), seen from the face with the nut at the left, the bass edge lies at the
  bottom (y < 0); left-handed at the top.
"""
import argparse


def fraction(n):
    return 1.0 - 2.0 ** (-n / 12.0)


class Board:
    def __init__(self, bass, treble, perpendicular, frets, nut, width_fret, width, board_end_fret=None,
                 slot=0.0, extend=0.0, compensation=0.0, margins=(0.0, 0.0), left_handed=False):
        self.bass, self.treble, self.perpendicular, self.frets = bass, treble, perpendicular, frets
        self.slot, self.extend, self.compensation = slot, extend, compensation
        self.side = 1.0 if left_handed else -1.0  # the bass edge's side of the centreline
        self.square = max(bass, treble) * fraction(perpendicular)
        mean = 0.5 * (bass + treble)
        nut_x = self.square - mean * fraction(perpendicular)
        fret_x = nut_x + mean * fraction(width_fret)
        last_x = nut_x + mean * fraction(frets)
        self.width_at = lambda x: nut + (width - nut) * (x - nut_x) / (fret_x - nut_x)
        self.margin_at = lambda x: margins[0] + (margins[1] - margins[0]) * (x - nut_x) / (last_x - nut_x)
        self.end_fret = frets + 1 if board_end_fret is None else board_end_fret

    def nut_end(self, scale):
        return self.square - scale * fraction(self.perpendicular)

    def to_edge(self, p, q, sign):
        """Where the line from p through q meets the edge y = sign * width / 2."""
        (px, py), (qx, qy) = p, q
        # y(t) = py + t (qy - py) and sign * w(x(t)) / 2 are both linear in t: meet where they agree.
        f = lambda t: py + t * (qy - py) - sign * 0.5 * self.width_at(px + t * (qx - px))
        t = -f(0.0) / (f(1.0) - f(0.0))
        x = px + t * (qx - px)
        return x, sign * 0.5 * self.width_at(x)

    def string(self, x, sign):
        """The outer string's point at x: the bass string for sign 1, the treble for -1."""
        return x, sign * (0.5 * self.width_at(x) - self.margin_at(x))

    def line(self, xb, xt):
        """From the bass edge to the treble edge, through the strings' points at xb and xt."""
        b, t = self.string(xb, 1.0), self.string(xt, -1.0)
        (bx, by), (tx, ty) = self.to_edge(t, b, 1.0), self.to_edge(b, t, -1.0)
        return (bx, self.side * by), (tx, self.side * ty)

    def on_string(self, n, bass):
        """Fret n's place on the bass (or treble) string, for the handedness drawn."""
        scale = self.bass if bass else self.treble
        x, y = self.string(self.nut_end(scale) + scale * fraction(n), 1.0 if bass else -1.0)
        return x, self.side * y

    def across(self, n):
        """The line of fret n (the nut for 0): its bass end, then its treble end."""
        xb = self.nut_end(self.bass) + self.bass * fraction(n)
        xt = self.nut_end(self.treble) + self.treble * fraction(n)
        return self.line(xb, xt)

    def extended(self, n):
        (bx, by), (tx, ty) = self.across(n)
        length = ((bx - tx) ** 2 + (by - ty) ** 2) ** 0.5
        ux, uy = (bx - tx) / length, (by - ty) / length
        e = self.extend
        return (bx + ux * e, by + uy * e), (tx - ux * e, ty - uy * e)

    def saddle(self):
        xb = self.nut_end(self.bass) + self.bass + self.compensation
        xt = self.nut_end(self.treble) + self.treble + self.compensation
        return self.line(xb, xt)

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
    ap.add_argument('--margins', default='0,0', help='NUT,LAST: the outer strings inside the edges, in mm')
    ap.add_argument('--left-handed', action='store_true')


def board_from(a):
    scales = [float(s) for s in a.scale.split(',')]
    bass, treble = scales[0], scales[-1]
    fret, width = a.width_at.split('=')
    margins = tuple(float(m) for m in a.margins.split(','))
    return Board(bass, treble, a.perpendicular, a.frets, a.nut, int(fret), float(width), a.board_end_fret,
                 a.slot, a.extend, a.compensation, margins, a.left_handed)


def parser(description):
    ap = argparse.ArgumentParser(description=description)
    add_arguments(ap)
    return ap
