#!/usr/bin/python3
"""What a screen reader hears during a keyboard game, over the real accessibility bus.

Runs inside a D-Bus session on an X display: starts the accessibility bus, openbox and the
program, plays by keys (xdotool), and listens as a screen reader does (pyatspi), fetching
each object's texts when its event arrives. Prints what was heard; fails on the first step
whose message never comes.

    screenreader.py PROGRAM [LOG]
"""
import os
import re
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
LOG = sys.argv[2] if len(sys.argv) > 2 else None
TILE = r'[A-Z][a-z]{0,2}, [^,]+, (?:sólido|líquido|gas|sintético)'
# What is heard as an object takes the focus, with its role's constant: the role's English
# name differs between releases of the accessibility library ("push button", "button").
FOCUS_BUTTON = ('focus', pyatspi.ROLE_PUSH_BUTTON)
FOCUS_LIST_ITEM = ('focus', pyatspi.ROLE_LIST_ITEM)
FOCUS_TABLE_CELL = ('focus', pyatspi.ROLE_TABLE_CELL)

heard = []  # (kind, text), in the order a reader gets them; a focus's kind is ('focus', role)
lock = threading.Lock()


def hear(event):
    try:
        source = event.source
        if source.getApplication().name != 'tabelora':
            return
        role = source.getRole()
        if event.type.startswith('focus'):
            kind, text = ('focus', role), source.name
            if source.description:
                text += ' | ' + source.description
        elif event.type == 'object:state-changed:showing':
            if role != pyatspi.ROLE_NOTIFICATION or not event.detail1:
                return
            kind, text = 'said', source.name
        elif event.type == 'object:state-changed:selected':
            if not event.detail1:
                return
            kind, text = 'selected', source.name
        elif event.type == 'object:property-change:accessible-name':
            if role != pyatspi.ROLE_LABEL:
                return
            kind, text = 'label', source.name
        elif event.type == 'object:property-change:accessible-value':
            kind, text = 'value', '%s %g' % (source.name, source.queryValue().currentValue)
        else:
            return
    except Exception as error:  # an object gone before it was asked
        kind, text = 'gone', str(error)
    with lock:
        heard.append((kind, text))


def key(*names):
    subprocess.run(['xdotool', 'key', '--delay', '60'] + list(names), check=True)


def named(kind):
    """A kind as the log writes it: a focus with its role's constant (ROLE_PUSH_BUTTON)."""
    return kind if isinstance(kind, str) else '%s %s' % (kind[0], pyatspi.Role(kind[1]))


def await_heard(kind, pattern, since, seconds=15):
    """The first match of what is heard from `since` on, as a re.Match."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with lock:
            for k, text in heard[since:]:
                if k == kind:
                    found = re.fullmatch(pattern, text)
                    if found:
                        return found
        time.sleep(0.05)
    with lock:
        got = '\n  '.join('%s: %s' % (named(k), text) for k, text in heard[since:])
    raise AssertionError('never heard %s /%s/; heard:\n  %s' % (named(kind), pattern, got))


def mark():
    """Where what is heard from now on starts."""
    with lock:
        return len(heard)


def step(keys, kind, pattern):
    since = mark()
    key(*keys)
    return await_heard(kind, pattern, since)


def program_on_the_bus(seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            if any(app is not None and app.name == 'tabelora' for app in desktop):
                return
        except Exception:
            pass
        time.sleep(0.2)
    raise AssertionError('the program never reached the accessibility bus')


def game():
    program_on_the_bus()
    # The information window, heard unless it took the focus before the program was known.
    try:
        await_heard(FOCUS_BUTTON, 'OK', 0, 10)
    except AssertionError:
        pass
    step(['Escape'], FOCUS_BUTTON, 'Corregir vistas')
    first = step(['F6'], FOCUS_LIST_ITEM, '(%s) \\| En la bandeja' % TILE).group(1)
    # A letter that starts no symbol is said so.
    step(['j'], 'said', 'Ningún símbolo empieza por J\\.')
    # The pick-up is confirmed, and the target names the tile carried.
    since = mark()
    key('Return')
    await_heard('said', re.escape(first) + ', cogida\\.', since)
    await_heard(FOCUS_TABLE_CELL, 'Casilla 1, periodo 1, grupo 1\\. Llevas ' + re.escape(first),
                since)
    await_heard('selected', re.escape(first), since)
    step(['Up'], 'said', 'No hay más casillas arriba\\.')
    # A cell's number, End and Home take the target there.
    step(['2'], FOCUS_TABLE_CELL, 'Casilla 2, periodo 1, grupo 18\\. Llevas .*')
    step(['End'], FOCUS_TABLE_CELL, 'Casilla 114, periodo 7, .*\\. Llevas .*')
    step(['Home'], FOCUS_TABLE_CELL, 'Casilla 1, periodo 1, grupo 1\\. Llevas .*')
    # A drop on an empty cell, told whole; the tile that comes next is heard once, as the
    # focus reaches it.
    since = mark()
    key('Return')
    await_heard('said', '%s en la Casilla 1, periodo 1, grupo 1\\.' % re.escape(first), since)
    second = await_heard(FOCUS_LIST_ITEM, '(%s) \\| En la bandeja' % TILE, since).group(1)
    time.sleep(0.5)
    with lock:
        repeated = [text for kind, text in heard[since:] if kind == 'said' and second in text]
    assert not repeated, repeated
    # The cell now says who holds it; a drop there is told so, and both tiles stand on it.
    step(['Return'], FOCUS_TABLE_CELL, 'Casilla 1, periodo 1, grupo 1, ocupada por %s\\. '
         'Llevas %s' % (re.escape(first), re.escape(second)))
    step(['Return'], 'said', '%s en la Casilla 1, periodo 1, grupo 1, que ya ocupaba %s\\.'
         % (re.escape(second), re.escape(first)))
    # The correction, in one message; the counters and the gauge change with it.
    since = mark()
    result = step(['alt+c'], 'said', 'Corrección: (\\d+) de 114 bien colocados\\. '
                  'Total aciertos (\\d+), (\\d+) %\\. Intento 1\\.')
    hits = int(result.group(1))
    # Each tile is judged where it lies, so hydrogen scores under the other tile too.
    hydrogen = any(tile.startswith('H,') for tile in (first, second))
    assert hits == int(result.group(2)) and hits == int(hydrogen), result.group(0)
    if hits:
        await_heard('label', 'Total aciertos: %d' % hits, since)
        await_heard('value', 'Porcentaje de aciertos %s' % result.group(3), since)
    # The board keeps the focus through the command's accelerator: F8 says the result again.
    step(['F8'], 'said', re.escape(result.group(0)))
    # F7 tells the tiles put on a wrong cell, each with the cell, then how many were empty.
    wrong = step(['F7'], 'said', '(?:Mal colocadas, (\\d+): .*, en la casilla 1|'
                 'Ninguna ficha mal colocada)\\. (\\d+) casillas vacías\\.')
    assert int(wrong.group(1) or 0) == 2 - hits and wrong.group(2) == '113', wrong.group(0)
    step(['Home'], FOCUS_LIST_ITEM,
         '%s \\| (?:En|Yendo a) la Casilla \\d+, periodo \\d, .*' % TILE)
    step(['alt+n'], 'said', 'Nuevo tablero: intento 2\\.')
    await_heard('label', 'Intentos: 2', since)


focused = []  # (role, name) of each object of the program that takes the focus, in order


def hear_focus(event):
    try:
        source = event.source
        if source.getApplication().name == 'tabelora':
            entry = (source.getRole(), source.name)
    except Exception:  # an object gone before it was asked
        return
    with lock:
        focused.append(entry)


def await_focus(role, pattern, since, seconds=15):
    """The first object of `role` whose name matches, focused from `since` on."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with lock:
            for got_role, name in focused[since:]:
                if got_role == role and re.fullmatch(pattern, name):
                    return name
        time.sleep(0.05)
    with lock:
        got = '\n  '.join('%s: %s' % entry for entry in focused[since:])
    raise AssertionError('never focused %s /%s/; focused:\n  %s' % (role, pattern, got))


def focus_step(keys, role, pattern):
    with lock:
        since = len(focused)
    key(*keys)
    return await_focus(role, pattern, since)


def element_chart():
    """The element chart by keyboard: Tab to its button, the chart's first cell read as the
    window opens, the next element on the right arrow; the window's close box ends it."""
    focus_step(['F6'], pyatspi.ROLE_PUSH_BUTTON, 'Corregir vistas')
    for _ in range(8):
        if focus_step(['Tab'], pyatspi.ROLE_PUSH_BUTTON, '.*') == 'Elementos':
            break
    else:
        raise AssertionError('Tab never reached Elementos')
    focus_step(['space'], pyatspi.ROLE_TABLE_CELL, '1, H, Hidrógeno')
    focus_step(['Right'], pyatspi.ROLE_TABLE_CELL, '2, He, Helio')
    focus_step(['alt+F4'], pyatspi.ROLE_PUSH_BUTTON, 'Elementos')


def start_openbox(seconds=30):
    """openbox, once it manages the display: without a window manager the program's window is
    never activated, and no focus reaches a reader. Started again if it could not connect."""
    deadline = time.monotonic() + seconds
    openbox = None
    while time.monotonic() < deadline:
        if openbox is None or openbox.poll() is not None:
            openbox = subprocess.Popen(['openbox'], stderr=subprocess.DEVNULL)
        supported = subprocess.run(['xprop', '-root', '_NET_SUPPORTED'],
                                   capture_output=True, text=True).stdout
        if '_NET_FRAME_EXTENTS' in supported:
            return openbox
        time.sleep(0.1)
    raise AssertionError('openbox never managed the display')


def main():
    # The real window system: the offscreen platform, which the test command sets for the
    # whole run, has no accessibility bridge.
    environment = dict(os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                       LANGUAGE='', LC_ALL='es_ES.UTF-8', XDG_DATA_HOME=tempfile.mkdtemp())
    subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
    openbox = start_openbox()
    # The program looks for the accessibility bus once, as it starts: the bus comes first.
    for _ in range(100):
        if subprocess.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus',
                           '/org/a11y/bus', 'org.a11y.Bus.GetAddress'],
                          capture_output=True).returncode == 0:
            break
        time.sleep(0.1)
    time.sleep(1)
    for kind in ['focus:', 'object:state-changed:showing', 'object:state-changed:selected',
                 'object:property-change:accessible-name',
                 'object:property-change:accessible-description',
                 'object:property-change:accessible-value']:
        # A reader listens to descriptions too, which keeps the texts it holds up to date.
        pyatspi.Registry.registerEventListener(hear, kind)
    pyatspi.Registry.registerEventListener(hear_focus, 'focus:')
    program = subprocess.Popen([PROGRAM, '--idioma', 'es'], env=environment)
    failure = []

    def play():
        try:
            game()
            element_chart()
        except Exception as error:
            failure.append(error)
        finally:
            GLib.idle_add(pyatspi.Registry.stop)

    threading.Thread(target=play, daemon=True).start()
    pyatspi.Registry.start()
    program.terminate()
    openbox.terminate()
    said = '\n'.join('%s: %s' % (named(kind), text) for kind, text in heard if kind != 'gone')
    if LOG:
        with open(LOG, 'w') as log:
            log.write(said + '\n')
    print(said)
    if failure:
        print('FAIL:', failure[0], file=sys.stderr)
        return 1
    return 0


sys.exit(main())
