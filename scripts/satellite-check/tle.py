# The two-line format with its checksums, for the element sets the checks make.
def checksum(line):
    s = 0
    for c in line[:68]:
        if c.isdigit(): s += int(c)
        elif c == '-': s += 1
    return str(s % 10)

def exp_field(x):
    # " 12345-3" style: 0.12345e-3
    if x == 0: return " 00000-0"
    sign = '-' if x < 0 else ' '
    x = abs(x)
    import math
    e = math.floor(math.log10(x)) + 1
    m = x / 10**e
    mant = int(round(m * 1e5))
    if mant == 100000: mant = 10000; e += 1
    return f"{sign}{mant:05d}{'-' if e < 0 else '+'}{abs(e)}"

def tle(num, desig, yy, doy, ndot, nddot, bstar, inc, raan, ecc, argp, ma, n, rev, name=None):
    l1 = f"1 {num:05d}U {desig:<8} {yy:02d}{doy:012.8f} {('-' if ndot<0 else ' ')}{('%.8f'%abs(ndot))[1:]} {exp_field(nddot)} {exp_field(bstar)} 0  999"
    l1 = l1[:68] + checksum(l1)
    l2 = f"2 {num:05d} {inc:8.4f} {raan:8.4f} {int(round(ecc*1e7)):07d} {argp:8.4f} {ma:8.4f} {n:11.8f}{rev:5d}"
    l2 = l2[:68] + checksum(l2)
    assert len(l1) == 69 and len(l2) == 69, (len(l1), len(l2))
    return ([name] if name else []) + [l1, l2]

if __name__ == '__main__':
    for l in tle(25544, '98067A', 26, 342.5, 0.00012, 0, 1.5e-4, 51.64, 300.0, 0.0003, 80.0, 120.0, 15.5, 12345, 'ISS (ZARYA)'): print(l)
