#!/usr/bin/python3
"""Drives Vexo with real key presses and reads it as a screen reader does, over
AT-SPI: every quiz's verdict must reach the reader as text and, once, as an
event that Orca speaks (Qt's announcement from Qt 6.8 on, before that a
notification that shows), and never again when a window comes back; every
mode window must say its mode, drop-down lists what they are for, links must
be links.

Run inside a D-Bus session with the accessibility bus and an X display with a
window manager; screen_reader.sh sets all of that up."""

import os
import re
import subprocess
import sys
import time

import gi
gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib

failures = []
shown = []      # verdicts spoken: names of notifications that showed, or announcements
activated = []  # names of windows activated
focused = []    # (role, name, description) of objects that took the focus


def on_event(event):
    try:
        source = event.source
        role = source.get_role_name()
        if event.type.startswith('object:state-changed:showing') and event.detail1 and role == 'notification':
            shown.append(('notification', source.get_name()))
        elif event.type.startswith('object:announcement'):
            shown.append(('announcement', event.any_data))
        elif event.type.startswith('window:activate'):
            activated.append(source.get_name())
        elif event.type.startswith('object:state-changed:focused') and event.detail1:
            focused.append((role, source.get_name(), source.get_description()))
    except GLib.Error:
        pass


def pump(seconds, until=None):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        if until and until():
            return True
        time.sleep(0.02)
    return bool(until and until())


WAYLAND = bool(os.environ.get('WAYLAND_DISPLAY'))


def wtype(arguments):
    # Each wtype call is a new virtual keyboard whose first key may be lost:
    # a lone Shift goes first.
    subprocess.run(['wtype', '-M', 'shift', '-m', 'shift', '-s', '100'] + arguments, check=True)


def keys(*names):
    """Presses keys named as xdotool names them: 'Tab', 'alt+a'."""
    if WAYLAND:  # wtype holds a modifier from -M to -m
        arguments = []
        for *modifiers, key in (name.split('+') for name in names):
            arguments += [a for m in modifiers for a in ('-M', m)] + ['-k', key, '-s', '60']
            arguments += [a for m in modifiers for a in ('-m', m)]
        wtype(arguments)
    else:
        subprocess.run(['xdotool', 'key', '--delay', '60'] + list(names), check=True)
    pump(0.5)


def type_text(text):
    if WAYLAND:
        wtype(['-d', '60', text])
    else:
        subprocess.run(['xdotool', 'type', '--delay', '60', text], check=True)
    pump(0.3)


def check(condition, message):
    print(('ok   ' if condition else 'FAIL ') + message)
    if not condition:
        failures.append(message)


def walk(node):
    if node is None:
        return
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == 'Vexo':
            return app
    return None


def frame(name):
    app = application()
    for i in range(app.get_child_count() if app else 0):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name() == name:
            return window
    return None


def labels(window):
    return [n.get_name() for n in walk(window) if n.get_role_name() == 'label']


# How the build speaks a verdict: Qt announces from 6.8 on.
speech = 'notification'


def verdict_after(action, pattern, what):
    before = len(shown)
    action()
    pump(3, lambda: len(shown) > before)
    pump(0.5)
    said = shown[before:]
    check(len(said) == 1 and said[0][0] == speech and re.search(pattern, said[0][1] or ''),
          f'{what}: one {speech} speaks the verdict ({said})')
    return said


def quiet_after(action, what):
    before = len(shown)
    action()
    pump(1.5)
    check(len(shown) == before, f'{what} speaks no verdict ({shown[before:]})')


def switch_to(mode_name, key='Down'):
    """Tabs to the mode selector of the active window and picks a mode with a key."""
    for _ in range(8):
        if focused and focused[-1][0] == 'combo box' and focused[-1][2] == 'Program mode':
            break
        keys('Tab')
    check(focused[-1][0] == 'combo box' and focused[-1][2] == 'Program mode',
          f'the mode selector says what it is for ({focused[-1]})')
    before = len(activated)
    keys(key)
    pump(3, lambda: len(activated) > before and focused[-1][2] != 'Program mode')
    check(activated[-1:] == [mode_name + ' - Vexo'], f'switching announces the mode: {activated[-1:]}')
    check(focused[-1][0] in ('text', 'entry', 'combo box') and focused[-1][2] != 'Program mode',
          f'{mode_name}: the focus is on the answer ({focused[-1]})')


def inner_corner():
    """The active window's inner area, top-left, as the X server has it."""
    window = subprocess.run(['xdotool', 'getactivewindow'], capture_output=True, text=True).stdout.strip()
    info = subprocess.run(['xwininfo', '-id', window], capture_output=True, text=True).stdout
    return tuple(int(re.search(rf'Absolute upper-left {axis}:\s+(-?\d+)', info).group(1)) for axis in 'XY')


def positions_hold():
    """A window dragged by its title bar, then eight switches: each window,
    shown before or not, lands with its inner area where the dragged one had it."""
    x, y = inner_corner()
    subprocess.run(['xdotool', 'mousemove', str(x + 60), str(y - 8), 'mousedown', '1'], check=True)
    for step in range(1, 11):
        subprocess.run(['xdotool', 'mousemove', str(x + 60 + 20 * step), str(y - 8 + 15 * step)], check=True)
        time.sleep(0.05)
    subprocess.run(['xdotool', 'mouseup', '1'], check=True)
    pump(1)
    dragged = inner_corner()
    check(dragged == (x + 200, y + 150), f'the window is dragged: {(x, y)} to {dragged}')
    for mode, key in (('Flag Quiz', 'Home'), ('Word Quiz', 'Down'), ('Show Flags', 'Down'),
                      ('Flag Meanings', 'Down'), ('Race Meanings', 'Down'), ('Flag Quiz', 'Home'),
                      ('Word Quiz', 'Down'), ('Flag Quiz', 'Up')):
        switch_to(mode, key)
        check(inner_corner() == dragged, f'{mode} lands where the dragged window stood: {inner_corner()}')


def main():
    listener = Atspi.EventListener.new(on_event)
    for kind in ('object:state-changed:showing', 'object:announcement', 'object:state-changed:focused',
                 'window:activate'):
        listener.register(kind)
    vexo = subprocess.Popen([sys.argv[1]])
    try:
        global speech
        check(pump(20, lambda: 'Flag Quiz - Vexo' in activated), f'the flag quiz window opens as a frame: {activated}')
        toolkit = application().get_toolkit_version()
        if tuple(int(n) for n in re.findall(r'\d+', toolkit)[:2]) >= (6, 8):
            speech = 'announcement'
        print(f'Qt {toolkit} on {"Wayland" if WAYLAND else "X11"}: verdicts are spoken as {speech}s')
        quiz = frame('Flag Quiz - Vexo')
        check(quiz is not None and quiz.get_role_name() == 'frame', 'the flag quiz window is a frame named by its mode')

        verdict_after(lambda: type_text('b'), r'^(Correct!|WRONG\. Your answer was Bravo\. The flag was .+\.) Score is \d / 1\. \d+%\.$', 'flag quiz')
        check(any(re.search(r'Score is \d / 1', l or '') for l in labels(quiz)), 'the flag quiz shows the score as text')
        pictures = [n.get_name() for n in walk(quiz) if n.get_role_name() == 'image']
        check(pictures[:2] == ['Flag to name', 'Previous flag'], f'no picture names the flag asked ({pictures[:2]})')

        # An aside opened by its access key and closed with Escape gives the
        # quiz its focus back.
        keys('alt+h')
        check(pump(3, lambda: activated[-1:] == ['Flags Listing']), f'Alt+H opens the flags listing: {activated[-1:]}')
        # As a listener would, wait to hear the first flag before pressing a key.
        check(pump(3, lambda: focused[-1][0] == 'image'), f'the listing reads its first flag: {focused[-1]}')
        pump(0.5)
        keys('Escape')
        check(pump(3, lambda: activated[-1:] == ['Flag Quiz - Vexo']), f'Escape closes it: {activated[-1:]}')
        verdict_after(lambda: type_text('b'), r'Score is \d / 2\.', 'flag quiz after the listing')

        switch_to('Word Quiz')
        verdict_after(lambda: (type_text('qqq'), keys('Return')),
                      r'^Your answer "qqq" was WRONG\. The word was .+\. Score is 0/1\. 0%\.$', 'word quiz')
        check(any('was WRONG.' in (l or '') for l in labels(frame('Word Quiz - Vexo'))), 'the word quiz shows its verdict as text')

        switch_to('Show Flags')
        switch_to('Flag Meanings')
        check(focused[-1][0] == 'combo box' and focused[-1][2] == 'Meaning of the flag',
              f'the answer list says what it is for ({focused[-1]})')
        # The arrow opens the list, a second steps on; one Enter picks and judges.
        verdict_after(lambda: keys('Down', 'Down', 'Return'), r'Score is \d / 1\. \d+%\.$', 'flag meanings quiz')
        check(len([s for k, s in shown if k == speech and 'Score is' in s and '/ 1' in s]) == 2, 'one Enter judges once')

        switch_to('Race Meanings')
        verdict_after(lambda: keys('Down', 'Return'), r'Score is \d / 1\. \d+%\.$', 'race meanings quiz')

        # Back to every quiz by keyboard, then About and back: no old verdict again.
        quiet_after(lambda: switch_to('Flag Quiz', 'Home'), 'a switch back to the flag quiz')
        for mode in ('Word Quiz', 'Show Flags', 'Flag Meanings', 'Race Meanings'):
            quiet_after(lambda: switch_to(mode), f'a switch back to {mode}')
        verdict_after(lambda: keys('Down', 'Return'), r'Score is \d / 2\. \d+%\.$', 'race meanings again')

        keys('alt+a')
        pump(3, lambda: activated[-1:] == ['About Vexo'])
        about = frame('About Vexo')
        links = [n for n in walk(about)] if about else []
        links = [n for n in links if n.get_role_name() == 'link']
        check(about is not None and about.get_role_name() == 'dialog', 'About is a dialog')
        check(len(links) == 2 and all(Atspi.Action.get_n_actions(n) > 0 for n in links),
              'About has two links that can be activated')
        quiet_after(lambda: keys('Return'), 'closing About')
        check(pump(3, lambda: activated[-1:] == ['Race Meanings - Vexo']), f'closing About returns to the quiz: {activated[-1:]}')
        if not WAYLAND:  # under Wayland the compositor places windows
            positions_hold()
    finally:
        vexo.terminate()
        vexo.wait(10)
    if failures:
        print(f'{len(failures)} check(s) failed')
        sys.exit(1)
    print('every check passed')


main()
