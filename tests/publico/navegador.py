#!/usr/bin/python3
"""The phones' page in a real browser, against a real room on 127.0.0.1.

Runs the board's stand-in (publico_anfitrion) and a headless Chromium: a phone
joins with the code from the link, sees the question, plays along, votes in
the poll, and the tally the stand-in prints holds that vote; a phone that
types a wrong code is refused. Exits 77 (skipped) only when Chromium or its
driver is not installed.
"""
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time

CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"

if not (os.path.exists(CHROMIUM) and os.path.exists(DRIVER)):
    print("SKIP: Chromium or chromium-driver is not installed (apt install chromium chromium-driver)")
    sys.exit(77)
try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.common.exceptions import StaleElementReferenceException
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("SKIP: python3-selenium is not installed")
    sys.exit(77)

ESPERA = 20  # seconds any one step may take on a busy machine


class Anfitrion:
    def __init__(self, programa):
        self.p = subprocess.Popen([programa], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  text=True, bufsize=1)
        self.lineas = queue.Queue()
        self.todas = []
        self.pendientes = []  # said, not yet waited for
        threading.Thread(target=self._leer, daemon=True).start()

    def _leer(self):
        for l in self.p.stdout:
            self.lineas.put(l.strip())

    def esperar(self, empieza):
        fin = time.time() + ESPERA
        while time.time() < fin:
            for i, l in enumerate(self.pendientes):
                if l.startswith(empieza):
                    del self.pendientes[i]
                    return l
            try:
                l = self.lineas.get(timeout=0.2)
            except queue.Empty:
                continue
            self.todas.append(l)
            self.pendientes.append(l)
        raise AssertionError("the room never said %r; it said %r" % (empieza, self.todas[-10:]))

    def orden(self, c):
        self.p.stdin.write(c + "\n")
        self.p.stdin.flush()
        self.esperar("HECHO " + c.split()[0])

    def fin(self):
        try:
            self.orden("salir")
        except Exception:
            pass
        try:
            self.p.wait(10)
        except subprocess.TimeoutExpired:
            self.p.kill()


def main():
    anfitrion = Anfitrion(sys.argv[1])
    perfil = tempfile.mkdtemp(prefix="orvalia-chromium-")
    driver = None
    try:
        enlace = anfitrion.esperar("ENLACE ").split(" ", 1)[1]
        codigo = anfitrion.esperar("CODIGO ").split(" ", 1)[1]
        assert enlace.startswith("http://127.0.0.1:"), enlace
        o = webdriver.ChromeOptions()
        o.binary_location = CHROMIUM
        for f in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--no-first-run",
                  "--user-data-dir=" + perfil, "--window-size=412,900"]:
            o.add_argument(f)
        driver = webdriver.Chrome(service=Service(DRIVER), options=o)
        # The page redraws a list whole on each message from the room.
        espera = WebDriverWait(driver, ESPERA, ignored_exceptions=[StaleElementReferenceException])
        visible = lambda i: espera.until(lambda d: d.find_element(By.ID, i).is_displayed())
        texto = lambda i: driver.find_element(By.ID, i).text

        # Joining from the QR code's link: the code is in it, a name is typed.
        driver.get(enlace)
        assert not driver.find_element(By.ID, "codigo").is_displayed(), "the code should come with the link"
        driver.find_element(By.ID, "nombre").send_keys("<b>Eva</b>")
        driver.find_element(By.ID, "entrar").click()
        visible("espera")
        assert texto("espera") == "Esperando la pregunta…", texto("espera")
        anfitrion.esperar("CONECTADOS 1")
        assert texto("quien") == "<b>Eva</b>", texto("quien")  # shown as letters
        assert not driver.find_elements(By.CSS_SELECTOR, "#quien b")

        # The question, as the board opens it; the phone plays along with B.
        anfitrion.orden("pregunta")
        visible("pregunta")
        assert texto("enunciado") == "¿Quién construyó el arca?", texto("enunciado")
        assert texto("jugador") == "Ana <b>", texto("jugador")
        botones = driver.find_elements(By.CSS_SELECTOR, "#respuestas button")
        nombres = [" ".join(b.text.split()) for b in botones]
        assert nombres == ["A: Moisés", "B: Noé", "C: Abraham", "D: David"], nombres
        botones[1].click()
        espera.until(lambda d: "elegida" in d.find_elements(By.CSS_SELECTOR, "#respuestas button")[1].get_attribute("class"))

        # The poll: four big buttons; a vote changed once; everyone (one
        # phone) has voted, so it closes by itself with that vote.
        anfitrion.orden("encuesta")
        assert anfitrion.esperar("ABIERTA") == "ABIERTA 1"
        visible("encuesta")
        votos = driver.find_elements(By.CSS_SELECTOR, "#votos button")
        assert [b.text for b in votos] == ["A", "B", "C", "D"]
        votos[2].click()
        cierre = anfitrion.esperar("ENCUESTA ")
        assert cierre == "ENCUESTA 0 0 1 0", cierre
        espera.until(lambda d: not d.find_element(By.ID, "encuesta").is_displayed())

        # Judged: the right answer marked, the player's outcome, the phone's own.
        anfitrion.orden("juzgar 1 1")
        visible("juicio")
        assert texto("juicio") == "¡Respuesta correcta!", texto("juicio")
        assert texto("tuyo").startswith("¡Acertaste!"), texto("tuyo")
        assert "correcta" in driver.find_elements(By.CSS_SELECTOR, "#respuestas .texto")[1].get_attribute("class")
        anfitrion.orden("juego")
        visible("final")
        assert texto("tituloFinal") == "El público: clasificación"
        assert driver.find_element(By.CSS_SELECTOR, "#lista li").text.startswith("<b>Eva</b>"), texto("lista")

        # A second phone types the address by hand and a wrong code.
        driver.switch_to.new_window("tab")
        driver.get(enlace.split("?")[0])
        visible("codigo")
        driver.find_element(By.ID, "codigo").send_keys("0000" if codigo != "0000" else "1111")
        driver.find_element(By.ID, "entrar").click()
        espera.until(lambda d: "no es el código" in d.find_element(By.ID, "aviso").text)
        assert not driver.find_element(By.ID, "espera").is_displayed()
        # Still one phone in the room.
        anfitrion.pendientes.clear()
        anfitrion.orden("encuesta")
        assert anfitrion.esperar("VOTOS ") == "VOTOS 0 1"
        print("OK: joined, watched, played along, voted (tally %s), and a wrong code was refused" % cierre)
    finally:
        if driver:
            driver.quit()
        anfitrion.fin()
        shutil.rmtree(perfil, ignore_errors=True)


if __name__ == "__main__":
    main()
