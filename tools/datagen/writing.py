"""Fields, records and files as the data files hold them: UTF-8, comma-separated,
text in double quotes, one record a line, no empty line at the end."""

from .facts import check


def text_field(s):
    check('"' not in s and '\n' not in s, 'text field cannot hold %r' % s)
    return '"%s"' % s


def truth(b):
    return '#TRUE#' if b else '#FALSE#'


def record_line(fields):
    return ','.join(str(f) for f in fields)


def write_lines(path, lines):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
