#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets that take a selector byte or a layout of
their own (make fuzz starts each target from its folder here as well as from its corpus).
Run from this folder: python3 make_seeds.py"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
DEVICE = os.path.join(HERE, '..', '..', 'device', 'data')


def device_file(name):
    with open(os.path.join(DEVICE, name), 'rb') as f:
        return f.read()


def write(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


# Selector: bits 0-1 sample rate, bit 2 family file, bit 3 seven registers.
write('fuzz_device_data_read_back', 'qzx2202', bytes([0x08]) + device_file('qzx2202.eq'))
write('fuzz_device_data_read_back', 'qzx2201', bytes([0x01]) + device_file('qzx2201.eq'))
write('fuzz_device_data_read_back', 'family', bytes([0x04]) + device_file('speaker.EQ241X'))
# Labels that hold the comment marker themselves.
write('fuzz_device_data_read_back', 'marker_in_label',
      bytes([0x00]) + b'!# Filter Parameters\r\n'
      b'!# !!# # EQ-1, 6.000000, 2.000000, 100.000000, No, Yes, 1\r\n'
      b'!# TS-2 !# x, 3.000000, 0.700000, 8000.000000, No, Yes, 2\r\n')
write('fuzz_device_data_read_back', 'largest_numbers',
      bytes([0x00]) + b'!# Filter Parameters\r\n'
      b'!# EQ-1000000000, -3.0, 200.0, 1000.0, Yes, Yes, 1000000000\r\n'
      b'!# EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 2147483647\r\n')

# Output orders that are whole numbers in digits (read back) and ones that are not
# (refused), and labels that look like numbers (kept as they are).
ORDERS_TAKEN = [b'1000000000', b' 7 ', b'007', b'+8', b'0', b'']
ORDERS_REFUSED = [(b'1e20', 'exponent'), (b'-1', 'negative'), (b'-0', 'negative_zero'),
                  (b'2.5', 'decimals'), (b'1.', 'point'), (b'3e', 'exponent_cut'),
                  (b'0x10', 'hexadecimal'), (b'1 2', 'two_numbers'), (b'+', 'sign_alone')]
LABELS = [b'EQ--1, -3.0, 200.0, 1000.0, Yes, Yes, 3', b'EQ-1e20, -3.0, 200.0, 1000.0, Yes, Yes, 4']
ORDER_OF_A_PASS = b'HPB-1, 40.0, Yes, 4.0'


def order_lines(orders, marker=b''):
    return b''.join(marker + b'EQ-%d, -3.0, 200.0, 1000.0, Yes, Yes, %s\r\n' % (i + 1, order)
                    for i, order in enumerate(orders))


def lines(texts, marker=b''):
    return b''.join(marker + text + b'\r\n' for text in texts)


write('fuzz_device_data_read_back', 'orders',
      bytes([0x00]) + b'!# Filter Parameters\r\n'
      + order_lines(ORDERS_TAKEN + [order for order, _ in ORDERS_REFUSED], b'!# ')
      + lines(LABELS + [ORDER_OF_A_PASS], b'!# '))

# Parameters that are no finite numbers (refused, in a column of each kind of line), and
# numbers at the ends of the double range (read back); sections that are no numbers
# although their parameters are (a cut-off of 0 Hz, a gain of 1e300 dB, a Q of 0).
NOT_FINITE = [b'nan', b'-nan', b'inf', b'-inf', b'1e400', b'-1e400', b'1e999', b'NaN', b'INFINITY']
FINITE_ENDS = [b'1e308', b'-1.7e308', b'1e-400', b'-0']
NOT_FINITE_COLUMNS = [b'EQ-%d, %s, 200.0, 1000.0, Yes, Yes, %d', b'EQ-%d, -3.0, %s, 1000.0, Yes, Yes, %d',
                      b'HPB-%d, %s, Yes, %d', b'TS-%d, 2.0, %s, Yes, %d', b'NT-%d, %s, 60.0, Yes, %d',
                      b'HIPT-%d, -2.5, 2000.0, %s, Yes, %d', b'VQHP-%d, 60.0, %s, Yes, %d']
NO_SECTION = [b'HPB-90, 0.000000, Yes, 90', b'EQ-90, 1e300, 100.000000, 1000.000000, No, Yes, 91',
              b'VQHP-90, 100.000000, 0.000000, Yes, 92']


def value_lines(values, marker=b''):
    return b''.join(marker + pattern % (i + 1, value, i + 1) + b'\r\n'
                    for i, value in enumerate(values) for pattern in NOT_FINITE_COLUMNS)


write('fuzz_device_data_read_back', 'not_finite',
      bytes([0x00]) + b'!# Filter Parameters\r\n'
      + value_lines(NOT_FINITE + FINITE_ENDS, b'!# ') + lines(NO_SECTION, b'!# '))
write('fuzz_device_data_read_back', 'no_section',
      bytes([0x04]) + b'!# Filter Parameters\r\n' + lines(NO_SECTION, b'!# '))
for value in NOT_FINITE:
    name = value.decode().replace('-', 'minus_')
    write('fuzz_parameter_open', 'not_finite_' + name,
          order_lines([b'1']) + value_lines([value]))
write('fuzz_parameter_open', 'finite_ends', value_lines(FINITE_ENDS) + lines(NO_SECTION))
write('fuzz_parameter_file', 'not_finite', value_lines(NOT_FINITE + FINITE_ENDS) + lines(NO_SECTION))

# Selector: bit 0 family, bits 1-2 channel, bit 3 QZX6060 layout; five coefficient bytes.
coefficients = bytes([0x88, 0x80, 0x80, 0x78, 0x80])
write('fuzz_loudness_merge', 'qzx2202', bytes([0x00]) + coefficients + device_file('qzx2202.eq'))
family = device_file('speaker.EQ241X') + b'A6 00 00 00 00\r\nB0 00 00 00 00\r\n'
write('fuzz_loudness_merge', 'family', bytes([0x01]) + coefficients + family)
write('fuzz_loudness_merge', 'family_qzx6060', bytes([0x0d]) + coefficients + family)

# Selector: bit 0 phase column, bits 1-2 sample rate, bit 3 open the raw file, bit 4
# build the curves from points; raw length (2 bytes), raw text, curve bytes.
raw3 = (b'"Speaker"\r\n"Hz" "dB" "deg"\r\n0, -3, 10\r\n100, 1, 20\r\n'
        b'1000, 2, 170\r\n10000, 3, -170\r\n')
raw2 = b'speaker\nHz dB\n20 80\n200 85\n2000 90\n20000 70\n'
points = bytes([5, 0]) + b''.join(struct.pack('<HH', 6000 * i, 30000 + 1000 * i)
                                  for i in range(5))
same_x = bytes([0, 1]) + b''.join(struct.pack('<H', 32000 + 500 * i) * 2 for i in range(6))
# Points that share a frequency (a step, resampled as it is drawn), and points kept in an
# order that goes backwards (the file is refused).
steps = bytes([5, 0]) + b''.join(struct.pack('<HH', 6000 * (i // 2), 30000 + 3000 * (i % 3))
                                 for i in range(6))
backwards = bytes([5, 2]) + b''.join(struct.pack('<HH', 30000 - 4000 * i, 30000) for i in range(6))
for name, selector, raw, curves in [('three_columns_resampled', 0x19, raw3, points),
                                    ('two_columns_copied', 0x18, raw2, same_x),
                                    ('start_up_response', 0x10, b'', points),
                                    ('step_resampled', 0x18, raw2, steps),
                                    ('backwards_refused', 0x18, raw2, backwards)]:
    write('fuzz_document_open', name, bytes([selector]) + struct.pack('<H', len(raw)) + raw + curves)

profile = '\n'.join([
    'Working Directory=/tmp', 'KT47 Directory=/opt/kt47', 'LowerFrequencyLimit=10',
    'HigherFrequencyLimit=24000', 'SamplingFrequency=48000', 'UpperTolerance=3.000000',
    'LowerTolerance=-3.000000', 'LimitNumberOfFilters=true', 'MaximumNumberOfFilters=12',
    'SpeakerMinFreq=10.000000', 'SpeakerMaxFreq=24000.000000', 'SpeakerMax_db=20.000000',
    'SpeakerMin_db=-30.000000', 'SpeakerAutomaticScaling=true', 'PhaseMinFreq=10.000000',
    'PhaseMaxFreq=24000.000000', 'PhaseMax_db=180.000000', 'PhaseMin_db=-180.000000',
    'PhaseAutomaticScaling=false', 'FilterMinFreq=10.000000', 'FilterMaxFreq=24000.000000',
    'FilterMax_db=15.000000', 'FilterMin_db=-15.000000', 'FilterAutomaticScaling=Yes',
    'PhaseFilterMinFreq=10.000000', 'PhaseFilterMaxFreq=24000.000000',
    'PhaseFilterMax_db=30.000000', 'PhaseFilterMin_db=-30.000000',
    'PhaseFilterAutomaticScaling=true', 'SingleOptParam=0.001000', 'JointOptParam=0.010000',
    'File1=/data/a.raw', 'File2=/data/b.raw', ''])
write('fuzz_settings_profile', 'profile', profile.encode())

# Mountinfo, cgroup file, meminfo, the text of every group's limit and count files and
# that of their memory.stat, cut at zero bytes: the unified hierarchy, version 1's memory
# controller, and the hybrid layout of both.
MEMINFO = b'MemTotal: 16000000 kB\nMemAvailable: 8000000 kB\n'
for name, mounts, groups, limit, stat in [
        ('unified', b'25 22 0:22 / /sys/fs/cgroup rw shared:9 - cgroup2 cgroup2 rw\n',
         b'0::/user.slice/app.scope\n', b'1000000000\n',
         b'anon 400000000\nfile 600000000\ninactive_file 500000000\nactive_file 100000000\n'),
        ('version_one', b'36 32 0:33 /docker/abc /sys/fs/cgroup/memory rw - cgroup cgroup rw,memory\n',
         b'4:memory:/docker/abc/worker\n', b'900000000\n',
         b'cache 0\ninactive_file 0\nhierarchical_memory_limit 1000000000\n'
         b'total_inactive_file 300000000\n'),
        ('hybrid', b'36 32 0:33 / /sys/fs/cgroup/memory rw - cgroup cgroup rw,memory\n'
                   b'42 32 0:39 / /sys/fs/cgroup/unified rw - cgroup2 cgroup2 rw\n',
         b'4:memory:/user.slice\n0::/user.slice\n', b'max\n',
         b'inactive_file 1\ntotal_inactive_file 2\n')]:
    write('fuzz_system_memory', name, b'\0'.join([mounts, groups, MEMINFO, limit, stat]))

# Selector: the device (QZX2201, QZX2202, QZX2410, QZX6060), then the file opened.
for selector, name in enumerate(['qzx2201.eq', 'qzx2202.eq', 'speaker.EQ241X', 'speaker.EQ606X']):
    write('fuzz_device_data_open', name, bytes([selector]) + device_file(name))
write('fuzz_device_data_open', 'measurement', bytes([0]) + raw3)
# A carriage return that no line feed follows, in the output order of a "!#" line: it ends
# the line, before a save and after it.
for selector, name in [(1, 'qzx2202.eq'), (2, 'speaker.EQ241X')]:
    write('fuzz_device_data_open', 'lone_cr_' + name,
          bytes([selector]) + device_file(name).replace(b'No, Yes, 2\r\n', b'No, Yes, 2\r5\r\n', 1))

# The files as the program writes them.
# A note before the first section and among the points, and a point line with a third
# number: the file opens with its points and names the notes.
write('fuzz_master_point_open', 'notes',
      b'; woofer, measured 2019\r\nDesired Response\r\n100.000000, 85.000000, 1\r\n'
      b'# near field\r\n1000.000000, 88.000000\r\nUpper Tolerance\r\n100 88\r\n')
write('fuzz_master_point_open', 'three_sections',
      b'Desired Response\r\n100.000000, 0.000000\r\n1000.000000, -3.000000\r\n'
      b'Upper Tolerance\r\n100.000000, 3.000000\r\nLower Tolerance\r\n')
write('fuzz_parameter_open', 'filters',
      b'EQ-1, -3.000000, 100.000000, 1000.000000, No, Yes, 1\r\n'
      b'TS-1, 2.000000, 5000.000000, Yes, 2\r\nHPB-1, 40.000000, Yes, 3\r\n'
      b'NT-1, 50.000000, 60.000000, Yes, 4\r\nLOPT-1, 1.000000, 2.000000, 3.000000, Yes, 5\r\n')
# Label numbers and output orders at the largest the grids count to, and above it.
write('fuzz_parameter_open', 'largest_numbers',
      b'EQ-1000000000, -3.0, 200.0, 1000.0, Yes, Yes, 1000000000\r\nEQ-2\r\n')
write('fuzz_parameter_open', 'numbers_above',
      b'EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 2147483647\r\nEQ-2147483647\r\n')
# Output orders in digits open; each of the others refuses the file at its line.
write('fuzz_parameter_open', 'orders_taken', order_lines(ORDERS_TAKEN) + lines(LABELS))
for order, name in ORDERS_REFUSED:
    write('fuzz_parameter_open', 'order_' + name, order_lines([b'1', order]))
# Fields that are not what they stand for (refused, naming the field), lines that end
# early or separate their fields otherwise (read as written), and filters above half of
# the sample rate that another rate designs (taken and named) or that no rate designs.
FIELD_FAULTS = [b'EQ-1, abc, 200.0, 1000.0, Yes, Yes, 1', b'EQ-2, , 200.0, 1000.0, Yes, Yes, 2',
                b'EQ-3, -3.5dB, 200.0, 1000.0, Yes, Yes, 3', b'HPB-1, 1000Hz, Yes, 4',
                b'EQ-4, -3.0, 200.0, 1000.0, No, Maybe, 5', b'EQ-5, -3,5, 200.0, 1000.0, No, Yes, 6',
                b'BS-1, 85,5, 100.0, Yes, 7', b'LOPT-1, 4.0, 100.0, 1.0.5, Yes, 8']
AS_WRITTEN = [b'EQ-6,-3,200,1000,No,Yes,9', b'HPB-2, 40.0', b'C1LP-2, 5000.0, 0.5, ',
              b'TS-2, 6.0, 8000.0, y, 10, a note']
ABOVE_HALF = [b'LPB-1, 30000.000000, No, 11', b'EQ-7, -3.0, 8000.0, 60000.0, Yes, No, 12',
              b'LPB-2, 150000.0, Yes, 13']
for i, line in enumerate(FIELD_FAULTS):
    write('fuzz_parameter_open', 'field_fault_%d' % i, order_lines([b'1']) + line + b'\r\n')
write('fuzz_parameter_open', 'as_written', lines(AS_WRITTEN))
write('fuzz_parameter_open', 'above_half', lines(ABOVE_HALF[:2]))
write('fuzz_parameter_file', 'fields', lines(FIELD_FAULTS + AS_WRITTEN + ABOVE_HALF))
write('fuzz_device_data_read_back', 'fields',
      bytes([0x00]) + b'!# Filter Parameters\r\n' + lines(FIELD_FAULTS + AS_WRITTEN + ABOVE_HALF, b'!# '))
# An active filter that only a rate above the current one designs: taken and named, and the
# block of the active filters is then not written.
write('fuzz_device_data_read_back', 'active_above_half',
      bytes([0x04]) + b'!# Filter Parameters\r\n' + lines([b'HPB-90, 0.000001, Yes, 90'], b'!# '))

# Coefficient files for the additive restart: two biquads as the program writes them, a
# first-order pair, and an a0 of 0 whose response stays finite.
TITLE = b'H(Z) = B(Z)/A(Z) = [b0 + b1*Z^-1 + b2*Z^-2] / [a0 + a1*Z^-1 + a2*Z^-2]\r\n'
B_HEAD = b'   b0                   b1                   b2\r\n'
A_HEAD = b'   a0                   a1                   a2\r\n'


def coefficient_file(b_rows, a_rows):
    row = lambda values: b''.join(b'  %18.15f ' % v for v in values) + b'\r\n'
    return (TITLE + B_HEAD + b''.join(row(r) for r in b_rows) + A_HEAD
            + b''.join(row(r) for r in a_rows))


write('fuzz_restart_open', 'two_biquads',
      coefficient_file([(1.01, -1.98, 0.97), (0.5, 0.25, 0.125)],
                       [(1.0, -1.9, 0.95), (1.0, 0.1, 0.2)]))
write('fuzz_restart_open', 'first_order', coefficient_file([(0.5, 0.5)], [(1.0, -0.2)]))
write('fuzz_restart_open', 'zero_a0',
      coefficient_file([(1.0, 0.0, 0.0), (1.0, 0.0, 0.0)], [(1.0, 0.0, 0.0), (0.0, 0.1, 0.2)]))
write('fuzz_restart_open', 'two_points', TITLE + B_HEAD + b'1 1.0.5 2\r\n' + A_HEAD + b'1 0 0\r\n')

# The reader alone takes every line, whatever its order holds.
write('fuzz_parameter_file', 'orders',
      order_lines(ORDERS_TAKEN + [order for order, _ in ORDERS_REFUSED])
      + lines(LABELS + [ORDER_OF_A_PASS]))


def scales_seed(flags, width, height, window, steps, offsets, titles=(0.0, 0.0),
                spans=(0.0, 0.0, 0.0, 0.0), texts=(b'', b'', b'', b'')):
    """fuzz_scales: flags (bit 0 square canvas, bit 1 printed page, bit 2 logarithmic), the
    size in pixels (stored as size - 1), 96 dpi, the window {ymax, xmin, ymin, xmax}, line
    and label step, label offset, title spacing and pen width, the compression plot's title
    positions and range ends, then its texts cut at zero bytes."""
    top, left, bottom, right = window
    return (struct.pack('<BHHH', flags, width - 1, height - 1, 96 - 48)
            + struct.pack('<6d', top, left, bottom, right, *steps)
            + struct.pack('<3B', *offsets) + struct.pack('<6d', *titles, *spans)
            + b'\0'.join(texts))


LOG_20HZ, LOG_20KHZ = 1.3010299956639813, 4.301029995663981
# The speaker response view at 800 x 600, and the window of 1e-310 dB that overflowed.
write('fuzz_scales', 'response_view',
      scales_seed(4, 800, 600, (20.0, LOG_20HZ, -30.0, LOG_20KHZ), (5.0, 10.0), (20, 100, 4),
                  texts=(b'Frequency Hz', b'db')))
write('fuzz_scales', 'narrowest_window',
      scales_seed(0, 800, 600, (2e-310, 1e-310, 1e-310, 2e-310), (5.0, 10.0), (20, 60, 1),
                  texts=(b'db',)))
write('fuzz_scales', 'widest_window',
      scales_seed(4, 1366, 768, (1e308, -1e308, -1e308, 1e308), (5.0, 10.0), (20, 100, 4)))
write('fuzz_scales', 'printed_phase',
      scales_seed(2, 3300, 2550, (180.0, LOG_20HZ, -180.0, LOG_20KHZ), (30.0, 60.0),
                  (20, 100, 4)))
# The compression views: the QZX2202's plot, and the QZX241X family's with its titles and
# ranges, one of them reaching far off the plot.
write('fuzz_scales', 'compression_qzx2202',
      scales_seed(1, 800, 600, (0.0, -89.625, -89.625, 0.0), (10.0, 10.0), (20, 60, 1),
                  texts=(b'Input db', b'Output db')))
write('fuzz_scales', 'compression_family_ranges',
      scales_seed(1, 1024, 768, (0.0, -283.0, -283.0, 0.0), (20.0, 40.0), (20, 50, 2),
                  titles=(-283.0, -60.0), spans=(-281.0, -60.0, -60.0, -2.0),
                  texts=(b'Limit', b'Compress', b'OFFSET1', b'OFFSET2')))
write('fuzz_scales', 'compression_range_off_the_plot',
      scales_seed(1, 400, 900, (0.0, -89.625, -89.625, 0.0), (10.0, 10.0), (20, 50, 2),
                  titles=(-1e300, 1e300), spans=(-1e300, -40.0, -40.0, 1e300),
                  texts=(b'In', b'Out', b'OFFSET1', b'OFFSET2')))


def views_seed(flags, width, height, window, frequencies, readout=(0.0, 0.0), origin=(0, 0),
               masters=(), points=()):
    """fuzz_views: flags (bits 0-1 the view: 0 response, 1 phase, 2 filter or loudness, 3
    compression; bit 2 printed page), the size in pixels (stored as size - 1), 96 dpi, the
    window {ymax, xmin, ymin, xmax}, the low and high limits and the sampling frequency, the
    readout's data point, the annotation's origin, the number of master points, then the
    master points and the curve's points (x, y)."""
    top, left, bottom, right = window
    return (struct.pack('<BHHH', flags, width - 1, height - 1, 96 - 48)
            + struct.pack('<4d', top, left, bottom, right) + struct.pack('<3i', *frequencies)
            + struct.pack('<2d', *readout) + struct.pack('<2h', *origin)
            + struct.pack('<B', len(masters))
            + b''.join(struct.pack('<2d', *p) for p in list(masters) + list(points)))


def log_points(low_hz, high_hz, n, level):
    import math
    a, b = math.log10(low_hz), math.log10(high_hz)
    return [(a + (b - a) * i / (n - 1), level + 3.0 * math.sin(i / 3.0)) for i in range(n)]


RESPONSE = log_points(20.0, 20000.0, 40, 70.0)
MASTERS = [(LOG_20HZ, 70.0), (3.0, 1e300), (LOG_20KHZ, 60.0)]
# The response view at 800 x 600; the narrow windows of the report, where the markers lay at
# the int range's end (1000 to 1000.002 Hz and 1000 to 1000.0001 Hz); the widest window; a
# printed phase view; a filter view at a window of no finite scale; the compression plot.
write('fuzz_views', 'response_view',
      views_seed(0, 800, 600, (100.0, LOG_20HZ, 40.0, LOG_20KHZ), (50, 16000, 48000),
                 (3.0, 70.0), masters=MASTERS, points=RESPONSE))
write('fuzz_views', 'response_1000_to_1000.002_hz',
      views_seed(0, 1366, 768, (100.0, 3.0, 40.0, 3.0000008685885), (20, 20000, 48000),
                 (3.0, 70.0), masters=MASTERS, points=RESPONSE))
write('fuzz_views', 'response_1000_to_1000.0001_hz',
      views_seed(0, 800, 600, (100.0, 3.0, 40.0, 3.0000000434294), (20, 20000, 48000),
                 (3.0, 70.0), masters=MASTERS, points=RESPONSE))
write('fuzz_views', 'widest_window',
      views_seed(1, 2560, 1440, (1e308, -1e308, -1e308, 1e308), (20, 20000, 48000),
                 (1e308, -1e308), masters=[(-1e308, 1e308), (1e308, -1e308)],
                 points=[(-1e308, -1e308), (0.0, 0.0), (1e308, 1e308)]))
write('fuzz_views', 'printed_phase',
      views_seed(5, 3300, 2550, (180.0, LOG_20HZ, -180.0, LOG_20KHZ), (50, 16000, 48000),
                 (3.0, 0.0), points=[(x, y - 70.0) for x, y in RESPONSE]))
write('fuzz_views', 'filter_narrowest_window',
      views_seed(2, 1024, 768, (2e-310, 1e-310, 1e-310, 2e-310), (20, 20000, 48000),
                 (1.5e-310, 1.5e-310), masters=[(1e-310, 1e-310), (1e300, 1e300)],
                 points=[(1.2e-310, 1.9e-310), (1.5e-310, 1e-310)]))
write('fuzz_views', 'compression',
      views_seed(3, 800, 600, (0.0, -89.625, -89.625, 0.0), (0, 0, 0), (-40.0, -40.0),
                 (20, 250), masters=[(-89.625, -89.625), (-40.0, -40.0), (1e300, 1e299)],
                 points=[(-89.625, -89.625), (-40.0, -40.0), (0.0, -20.0)]))
