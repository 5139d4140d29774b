#!/usr/bin/env python3
"""The release note for the teacher, in Bulgarian, on standard output.

    note.py NEWS.md VERSION SIGNED(yes|no) RELEASE_FOLDER

It names each download in the folder and the device it is for, says how to
check a download against SHA256SUMS, whether the Windows files are signed,
and what changed in this version (its section of NEWS.md).
"""
import pathlib
import re
import sys
import textwrap

news, version, signed, folder = sys.argv[1], sys.argv[2], sys.argv[3], pathlib.Path(sys.argv[4])


def changes():
    """The lines under this version's heading in NEWS.md."""
    section, taking = [], False
    for line in pathlib.Path(news).read_text(encoding="utf-8").splitlines():
        if line.startswith("## "):
            if taking:
                break
            taking = re.match(rf"## {re.escape(version)} – ", line) is not None
        elif taking:
            section.append(line)
    if not section:
        sys.exit(f"NEWS.md has no section for version {version}")
    return "\n".join(section).strip()


def one(pattern):
    """The name of the one file in the folder that matches PATTERN."""
    found = sorted(path.name for path in folder.glob(pattern))
    if len(found) != 1:
        sys.exit(f"expected one {pattern} in {folder}, found {found}")
    return found[0]


signature = textwrap.fill(
    "Файловете за Windows са подписани с цифровия подпис на издателя; Windows "
    "показва името му, преди да ги стартира."
    if signed == "yes" else
    "Файловете за Windows не са подписани. Преди да ги стартира, Windows "
    "SmartScreen може да предупреди, че издателят е непознат: след като сте "
    "проверили контролната им сума (по-горе), отворете подробностите на "
    "предупреждението и изберете да ги стартирате въпреки него. Училище, "
    "което има свой сертификат за подписване на код, може да подпише "
    "файловете с него (docs/windows.md в изходния код).", width=76)

print(f"""# Ойлер - просто число {version}

Учебна програма на български език. Ученикът проверява наблюдението на Ойлер,
че N*(N+1)+41 дава прости числа: въвежда N от 0 до 30 и натиска „Въведи“,
а програмата показва изчислението и маркира полученото число в списъка на
168-те прости числа под 1000. „Чисти“ изпразва полето, маркировката и
изчислението; число извън 0..30 се отбелязва с „?“.

## Кой файл за кое устройство

| устройство | файл |
| --- | --- |
| компютърна зала с Windows, управлявана с групови политики или друга система за разпространение | `{one("*.msi")}` (пакет за Windows Installer; тихо: `msiexec /i {one("*.msi")} /qn`) |
| един компютър с Windows | `{one("*-setup.exe")}` (инсталатор) |
| Windows без инсталиране (от USB памет) | `{one("*-windows-x64.zip")}`: разархивирайте и стартирайте `euler-primes.exe` |
| Debian 12 или 13 | `{one("*.deb")}`: `sudo apt install ./{one("*.deb")}` |
| уеб сървърът на училището | `{one("*-site.tar.gz")}`: разархивирайте в една папка на сървъра, достъпна по HTTPS |
| таблети и телефони | адресът на страницата на училищния сървър (по-горе), в браузъра; след първото посещение работи и без връзка |

Изберете или пакета за Windows Installer, или инсталатора за един компютър:
всеки от тях отказва да се инсталира там, където вече е инсталиран другият.
Изходният код е в `{one("*.orig.tar.*")}`, а пакетът за Debian се сглобява
отново от `{one("*.dsc")}`.

## Проверка на изтеглен файл

`SHA256SUMS` съдържа контролната сума на всеки файл. На Linux, в папката с
файловете: `sha256sum -c SHA256SUMS --ignore-missing`. На Windows, в
PowerShell: `Get-FileHash .\\{one("*-setup.exe")}` и сравнете числото с
реда за файла в `SHA256SUMS`. Друго число означава, че файлът не е този,
който сме издали: не го стартирайте.

{signature}

## Новото в тази версия

{changes()}
""")
