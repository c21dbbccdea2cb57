# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""A browser's odd answers (quirks) and a school's strict policy (strict), through the sessions'
Browser only, for every engine; computes alone serves an engine started odd (WebKit in LANG=C)."""
from browser import Failure, serve
from session import START

POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"
THROW = "{ throw new DOMException('The operation is insecure.', 'SecurityError'); }"
REJECT = "() => Promise.reject(new TypeError('Type error'))"
# What a browser may answer, as a script run before the page's own.
QUIRKS = [(f"navigator.language {tag}", "Object.defineProperty(Navigator.prototype, 'language', "
           f"{{ get: () => {tag} }});") for tag in ("'C'", "''", "undefined", "'fr_FR'")] + [
    *[(f"{what} {how}", f"{target} = {answer};") for what, target in [
        ("permission queries", "Permissions.prototype.query"),
        ("the service worker's registration", "ServiceWorkerContainer.prototype.register")]
      for how, answer in [("rejected", REJECT), ("thrown", f"() => {THROW}")]],
    ("service workers and storage refused (cookies blocked)", "".join(
        f"Object.defineProperty({owner}, '{name}', {{ get() {THROW} }});" for owner, name in [
            ("Navigator.prototype", "serviceWorker"), ("window", "localStorage"),
            ("window", "indexedDB"), ("window", "caches")]))]


def computes(b, described):
    """Loaded anew: welcome, Return, 7 ÷ ٢ gives 3.5, 5 ÷ 0 error 11's box, then Return."""
    b.load()
    b.start()
    division = next(c for c in described["calculators"] if c.get("option") and
                    c["option"]["accessibleName"] == "القسمة (/)")  # on the start window
    b.click(*b.at(START, division["option"]["place"]))
    for typed, said in [("7٢", "النتيجة 3.5"), ("50", "كوزماط\nخطأ 11: القسمة على صفر")]:
        for box, text in zip(division["inputs"], typed):
            b.type_into(START, box, text)
        since = len(b.told("say"))
        b.click(*b.at(START, division["button"]["place"]))
        b.hear(said, since)
    b.in_front("كوزماط")
    b.key("Enter", "\r", 13)
    b.in_front(START)


def quirks(b, described):
    for quirk, script in QUIRKS:
        print(f"  {quirk}:", end=" ", flush=True)
        added = b.add_script(script)
        computes(b, described)
        b.clean()
        b.remove_script(added)
        print("3.5, error 11, nothing in the console")


def strict(b, described, server, linux, session):
    """SESSION, the page served with POLICY; the policy refuses nothing."""
    policed, b.url = serve(server.folder, headers={"Content-Security-Policy": POLICY})
    b.add_script("window.refused = []; document.addEventListener('securitypolicyviolation', "
                 "(e) => refused.push(e.violatedDirective + ' ' + e.blockedURI));")
    session(b, described, policed, linux)
    policed.shutdown()
    if b.js("window.refused"):
        raise Failure(f"the policy refused {b.js('window.refused')}")
