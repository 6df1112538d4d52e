#!/usr/bin/python3
"""What a screen reader hears of the real program: Orrindel runs on a private Xvfb inside a
private D-Bus session with the AT-SPI bus, is typed into with xdotool and read with pyatspi,
as Orca reads it. Usage: test_heard.py ORRINDEL ORRINDEL-HOUSES"""
import os, re, struct, subprocess, sys, tempfile, time, zlib

PLACES = ['centre', 'north-west', 'west', 'north-east', 'south', 'north', 'south-west', 'east',
          'south-east']
NONE = 'No chart is shown'
# 2004 facing 180, in palace order; the annual stars of June 2004.
CHART = {'Time': '891234567', 'Facing': '321987654', 'Mountain': '456789123'}
JUNE_2004 = '567891234'
# A 40 x 32 floor traced north up: a palace's direction, area in pixels² and share of the floor.
FLOOR = [('north', '106.04', '8.3 %'), ('north-east', '184.14', '14.4 %'), ('east', '165.69', '12.9 %')]


def blank_png(path, width, height):
    chunk = lambda kind, data: (struct.pack('>I', len(data)) + kind + data
                                + struct.pack('>I', zlib.crc32(kind + data)))
    rows = b''.join(b'\0' + b'\xff' * 3 * width for _ in range(height))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))


def register(houses, env, runtime):
    """A house with its ground floor traced, made as a script would, before the program starts."""
    run = lambda *args: subprocess.run([houses, *args], env=env, check=True, capture_output=True,
                                       text=True).stdout.strip()
    blank_png(os.path.join(runtime, 'plan.png'), 40, 32)
    house = run('add', '--client', 'Lee', '--year', '2004', '--facing', '180')
    plan = run('plan', 'add', house, '--image', os.path.join(runtime, 'plan.png'), '--floor', 'Ground')
    run('plan', 'outline', plan, '--points', '0,0 40,0 40,32 0,32', '--front', '2')


def wait(what, probe, seconds=30, told=lambda: ''):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f'test_heard: timed out waiting for {what} {told()}')


def outer(program):
    # -displayfd answers once the server listens.
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24',
                             '-nolisten', 'tcp'], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = os.read(read, 16).decode().strip()
    with tempfile.TemporaryDirectory() as runtime:
        env = {k: v for k, v in os.environ.items() if k not in ('QT_QPA_PLATFORM', 'DBUS_SESSION_BUS_ADDRESS')}
        env.update(DISPLAY=':' + display, XDG_RUNTIME_DIR=runtime, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                   ORRINDEL_DATABASE=os.path.join(runtime, 'houses.sqlite'))
        register(sys.argv[2], env, runtime)
        # The bus's helpers may outlive the session for a moment: they get a file, not our output.
        with tempfile.TemporaryFile('w+') as log:
            try:
                return subprocess.run(['dbus-run-session', '--', sys.executable, __file__, program, '--inner'],
                                      env=env, timeout=150, stdout=log, stderr=log).returncode
            finally:
                xvfb.kill()
                log.seek(0)
                print(''.join(line for line in log if line.startswith('test_heard')), end='')


def tree(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from tree(child)


def inner(program):
    bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
    owned = ['dbus-send', '--session', '--print-reply', '--dest=org.freedesktop.DBus', '/org/freedesktop/DBus',
             'org.freedesktop.DBus.NameHasOwner', 'string:org.a11y.Bus']
    wait('the AT-SPI bus', lambda: 'true' in subprocess.run(owned, capture_output=True, text=True).stdout)
    import pyatspi
    wait('the AT-SPI registry', lambda: pyatspi.Registry.getDesktop(0).childCount >= 0)
    app = subprocess.Popen([program])
    try:
        return hear(pyatspi, app)
    finally:
        app.kill()
        bus.terminate()  # the launcher takes its bus down with it
        bus.wait(10)


def hear(pyatspi, app):
    desktop = pyatspi.Registry.getDesktop(0)
    window = wait('the window', lambda: next(
        (w for a in desktop for w in (a or []) if w and w.name == 'Orrindel'), None))
    showing = lambda node: node.getState().contains(pyatspi.STATE_SHOWING)
    xid = subprocess.run(['xdotool', 'search', '--sync', '--pid', str(app.pid), '--name', '^Orrindel$'],
                         capture_output=True, text=True, timeout=20).stdout.split()[0]

    def keys(*words):
        subprocess.run(['xdotool', 'windowfocus', '--sync', xid], check=True, timeout=20)
        for word in words:
            args = ['type', word] if word[0].isdigit() else ['key', word]
            subprocess.run(['xdotool', *args], check=True, timeout=20)

    def stars():
        heard = {}
        for node in tree(window):
            match = re.fullmatch(r'(\w+) star, ([a-z-]+): (.*)', node.name or '')
            if node.getRole() == pyatspi.ROLE_LABEL and match and showing(node):
                heard[match[1], match[2]] = match[3]
        return heard

    def expect(kinds):
        return {(kind, place): value if value == NONE else value[i]
                for kind, value in kinds.items() for i, place in enumerate(PLACES)}

    def check(what, want):
        wait(what, lambda: stars() == want, 20, lambda: f'; heard {sorted(stars().items())}')

    failures = 0
    check('stars before Calculate', expect({k: NONE for k in CHART}))
    keys('2004', 'Tab', '180', 'Return')
    check('stars after Calculate', expect(CHART))
    palaces = [n.name for n in tree(window) if n.getRole() == pyatspi.ROLE_IMAGE and 'sitting' in n.name]
    failures += palaces != ['North palace, sitting palace']
    box = next(n for n in tree(window) if n.getRole() == pyatspi.ROLE_CHECK_BOX)
    failures += box.name != 'View annual stars' or box.getState().contains(pyatspi.STATE_CHECKED)
    keys('alt+v', 'space', 'Tab', *'062004')  # the month, then the year
    check('stars with the annual ones', expect(dict(CHART, Annual=JUNE_2004)))
    failures += not box.getState().contains(pyatspi.STATE_CHECKED)

    keys('alt+f', 'h')  # File, Houses...
    houses = wait('the Houses window', lambda: next(
        (w for a in desktop for w in (a or []) if w and w.name == 'Houses'), None))
    named = lambda: sorted(n.name for n in tree(houses) if n.getRole() in (
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE) and showing(n))
    want = ['Close', 'Delete', 'Edit…', 'Export Report…', 'Floor Plan…', 'Houses', 'Open',
            'Save Current House…', 'Search houses', 'Undo Delete']
    wait('the Houses window heard', lambda: named() == want, 20, lambda: f'; heard {named()}')
    # The Floor Plan window of the house listed first, its button pressed as a screen reader does.
    button = next(n for n in tree(houses) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == 'Floor Plan…')
    button.queryAction().doAction(0)
    plan = wait('the Floor Plan window', lambda: next(
        (w for a in desktop for w in (a or []) if w and (w.name or '').startswith('Floor Plan')), None))

    def floor():
        table = next((n for n in tree(plan) if n.getRole() == pyatspi.ROLE_TABLE and n.name == 'Palaces'), None)
        if table is None:
            return []
        cells = table.queryTable()
        return [tuple(cells.getAccessibleAt(row, column).name for column in range(3)) for row in range(3)]
    wait('the palace table', lambda: floor() == FLOOR, 20, lambda: f'; heard {floor()}')
    # Chart Details: the afflictions tagged on the annual grid, and the formations in words.
    keys('alt+f', 't')
    details = wait('Chart Details', lambda: next(
        (w for a in desktop for w in (a or []) if w and w.name == 'Chart Details'), None))
    labels = lambda prefix: {n.name: n.description for n in tree(details) if n.getRole() == pyatspi.ROLE_LABEL
                             and (n.name or '').startswith(prefix) and showing(n)}
    press = lambda key: time.sleep(0.5) or subprocess.run(['xdotool', 'key', key], check=True, timeout=20)  # to Details
    press('alt+y')
    tagged = {'Annual stars, centre palace': 'annual star 5, 五黄', 'Annual stars, south-west palace': 'annual star 2, 二黑',
              'Annual stars, south palace': 'annual star 9'}
    wait('the annual grid', lambda: all(labels('Annual stars, ').get(k) == v for k, v in tagged.items()), 20,
         lambda: f'; heard {labels("Annual stars, ")}')
    press('alt+r')
    robbery = '离宫打劫, the true seven-star robbery: double stars at the facing; usable.'
    wait('the formations and the mountains', lambda: labels(robbery) and labels('子山午向 (sitting Zi, facing Wu; N2/S2)'),
         20, lambda: f'; heard {labels("")}')
    # The Palaces tab: the south's square heard by its direction and stars, then its whole line,
    # June 2004 read against period 8, with the year's 9 that makes 八九 with its double 8.
    press('alt+p')
    south = lambda: next((n.description for n in tree(details) if showing(n)
                          and n.name == 'south palace, mountain star 8, facing star 8'), '')
    wait('the south palace', lambda: south().startswith('mountain 8 prosperous, facing 8 prosperous, '
         'favourable: Double 8') and '9 of the year (celebration)' in south(), 20, lambda: f'; heard {south()!r}')

    keys('alt+a', 'Return')  # the About menu's About
    about = wait('the About box', lambda: next(
        (w for a in desktop for w in (a or []) if w and w.name == 'About Orrindel'), None))
    version = subprocess.run([sys.argv[1], '--version'], capture_output=True, text=True).stdout.split()[-1]
    heard = sorted(n.name for n in tree(about) if n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON))
    want = ['Description: Xuan Kong flying star charts for houses and years Written by the Orrindel developers '
            'December 2026', 'Disclaimer: This program is free and may be copied and given away freely. It comes '
            'with no warranty, and its authors accept no liability for any use made of it.', 'OK',
            'System Info...', 'Title: Orrindel', f'Version: Version {version}']
    if heard != want:
        sys.exit(f'test_heard: About box: heard {heard}')
    if failures:
        sys.exit(f'test_heard: palaces {palaces}, check box {box.name!r}: not as expected')
    print('test_heard: every star, the palaces, the check box, the Houses window, a floor\'s palaces, the Details readings, a palace and the About box are heard')
    return 0


if __name__ == '__main__':
    sys.exit(inner(sys.argv[1]) if sys.argv[2:] == ['--inner'] else outer(sys.argv[1]))
