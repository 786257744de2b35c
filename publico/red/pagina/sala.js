// The phone's side of the room: one WebSocket, small JSON messages, and every
// text put on the page as text (textContent), never as HTML.
"use strict";
(function () {
  const LETRAS = ["A", "B", "C", "D"];
  const $ = (id) => document.getElementById(id);
  const params = new URLSearchParams(location.search);
  let codigo = params.get("sala") || sessionStorage.getItem("sala") || "";
  if (!/^[0-9]{4}$/.test(codigo)) codigo = "";
  let ficha = codigo ? sessionStorage.getItem("ficha:" + codigo) || "" : "";
  let nombre = sessionStorage.getItem("nombre") || "";
  let ws = null, rechazada = false, espera = 500, unido = false;
  let pregunta = null, quitadas = [false, false, false, false], miRespuesta = -1, juzgada = false;
  let cuenta = null, fin = 0;

  function mostrar(...ids) {
    for (const s of document.querySelectorAll(".pantalla")) s.classList.toggle("oculta", !ids.includes(s.id));
  }
  function aviso(t) { $("aviso").textContent = t; }

  // Joining: the code comes with the link the QR code holds; typed by hand
  // the address has none, and the page asks for it.
  if (codigo) { $("codigo").value = codigo; $("filaCodigo").classList.add("oculta"); }
  $("nombre").value = nombre;
  $("formulario").addEventListener("submit", (ev) => {
    ev.preventDefault();
    const c = $("codigo").value.trim();
    if (!/^[0-9]{4}$/.test(c)) { aviso("El código de la sala tiene cuatro cifras."); $("filaCodigo").classList.remove("oculta"); return; }
    if (c !== codigo) ficha = sessionStorage.getItem("ficha:" + c) || "";
    codigo = c;
    nombre = $("nombre").value.trim().slice(0, 20);
    sessionStorage.setItem("sala", codigo);
    sessionStorage.setItem("nombre", nombre);
    rechazada = false;
    aviso("Entrando…");
    conectar();
  });

  function conectar() {
    if (ws) { ws.onclose = null; ws.close(); }
    ws = new WebSocket("ws://" + location.host + "/ws");
    ws.onopen = () => { espera = 500; ws.send(JSON.stringify({ t: "unirse", sala: codigo, nombre: nombre, ficha: ficha })); };
    ws.onmessage = (ev) => { let m; try { m = JSON.parse(ev.data); } catch (e) { return; } if (m && typeof m.t === "string") recibir(m); };
    ws.onclose = () => {
      ws = null;
      if (rechazada || !unido) { if (!rechazada) aviso("No se pudo entrar en la sala. Comprueba la red e inténtalo otra vez."); return; }
      // A Wi-Fi blip: back in with the same token, score and all.
      $("quien").textContent = "Reconectando…";
      setTimeout(conectar, espera);
      espera = Math.min(espera * 2, 5000);
    };
  }

  function recibir(m) {
    switch (m.t) {
    case "bienvenida":
      unido = true; ficha = String(m.ficha || "");
      sessionStorage.setItem("ficha:" + codigo, ficha);
      $("quien").textContent = String(m.nombre || "");
      aviso("");
      break;
    case "rechazo":
      rechazada = true; unido = false;
      mostrar("unirse");
      $("filaCodigo").classList.remove("oculta");
      aviso(m.motivo === "bloqueada" ? "Demasiados intentos con un código equivocado: espera unos minutos."
          : m.motivo === "llena" ? "La sala está llena."
          : "Ese no es el código de la sala. Míralo en la pantalla del juego.");
      break;
    case "espera": pararCuenta(); mostrar("espera"); break;
    case "pregunta": ponerPregunta(m); break;
    case "quitadas": quitadas = bools(m.quitadas); pintarRespuestas(); pintarVotos(-1, true); break;
    case "tuRespuesta": miRespuesta = num(m.r); pintarRespuestas(); break;
    case "juicio": juzgar(m); break;
    case "encuesta": ponerEncuesta(m); break;
    case "tuVoto": pintarVotos(num(m.r), false); break;
    case "clasificacion": ponerFinal("El público: clasificación", m); break;
    case "posiciones": ponerFinal("Tabla de posiciones", m); break;
    }
  }

  const num = (v) => (Number.isInteger(v) ? v : -1);
  const bools = (a) => [0, 1, 2, 3].map((i) => Array.isArray(a) && a[i] === true);
  const str = (v) => (typeof v === "string" ? v : "");

  function ponerPregunta(m) {
    pregunta = m; juzgada = false; miRespuesta = -1;
    quitadas = bools(m.quitadas);
    $("jugador").textContent = str(m.jugador);
    $("escalon").textContent = "Pregunta " + num(m.escalon) + " de 15";
    $("puntos").textContent = str(m.puntos) + " puntos";
    $("enunciado").textContent = str(m.enunciado);
    $("juicio").classList.add("oculta");
    $("tuyo").classList.add("oculta");
    pintarRespuestas();
    empezarCuenta(num(m.segundos));
    mostrar("pregunta");
  }

  function pintarRespuestas(correcta = -1, elegida = -1) {
    if (!pregunta) return;
    const ol = $("respuestas");
    ol.replaceChildren();
    const puede = pregunta.juega === true && !juzgada;
    LETRAS.forEach((l, i) => {
      const li = document.createElement("li");
      const b = document.createElement(puede ? "button" : "div");
      b.className = "texto";
      const letra = document.createElement("span");
      letra.className = "letra"; letra.textContent = l + ":";
      const t = document.createElement("span");
      t.textContent = str((pregunta.respuestas || [])[i]);
      b.append(letra, t);
      if (quitadas[i]) b.classList.add("quitada");
      if (i === miRespuesta) b.classList.add("elegida");
      if (i === correcta) b.classList.add("correcta");
      else if (i === elegida) b.classList.add("fallida");
      if (puede) {
        b.type = "button";
        b.disabled = quitadas[i];
        b.addEventListener("click", () => enviar({ t: "respuesta", r: i }));
      }
      li.append(b);
      ol.append(li);
    });
  }

  function empezarCuenta(s) {
    pararCuenta();
    fin = Date.now() + s * 1000;
    const paso = () => {
      const q = Math.max(0, Math.ceil((fin - Date.now()) / 1000));
      $("reloj").textContent = q + " s";
      if (q === 0) pararCuenta();
    };
    paso();
    cuenta = setInterval(paso, 250);
  }
  function pararCuenta() { if (cuenta) clearInterval(cuenta); cuenta = null; }

  function juzgar(m) {
    juzgada = true;
    pararCuenta();
    $("reloj").textContent = "";
    const c = num(m.correcta), e = num(m.elegida);
    pintarRespuestas(c, e !== c ? e : -1);
    const j = $("juicio");
    j.textContent = m.juicio === "acierto" ? "¡Respuesta correcta!"
      : m.juicio === "retiro" ? str(pregunta && pregunta.jugador) + " se retira."
      : "¡Respuesta incorrecta!";
    j.classList.remove("oculta");
    const t = $("tuyo");
    if (Number.isInteger(m.tuRespuesta)) {
      const n = num(m.tusAciertos), llevas = " Llevas " + n + (n === 1 ? " acierto." : " aciertos.");
      t.textContent = m.tuRespuesta < 0 ? "No respondiste." + llevas
        : m.tuRespuesta === c ? "¡Acertaste!" + llevas : "No acertaste." + llevas;
      t.classList.remove("oculta");
    } else t.classList.add("oculta");
    ponerEncuesta({ abierta: false });
    mostrar("pregunta");
  }

  function ponerEncuesta(m) {
    const abierta = m.abierta === true;
    $("encuesta").classList.toggle("oculta", !abierta);
    if (!abierta) return;
    if (Array.isArray(m.quitadas)) quitadas = bools(m.quitadas);
    const d = $("votos");
    d.replaceChildren();
    LETRAS.forEach((l, i) => {
      const b = document.createElement("button");
      b.type = "button"; b.textContent = l; b.dataset.i = String(i);
      b.setAttribute("aria-label", "Votar " + l);
      b.addEventListener("click", () => enviar({ t: "voto", r: i }));
      d.append(b);
    });
    pintarVotos(num(m.tuVoto), true);
  }

  function pintarVotos(voto, soloQuitadas) {
    for (const b of $("votos").children) {
      const i = Number(b.dataset.i);
      b.disabled = quitadas[i];
      if (!soloQuitadas || voto >= 0) b.classList.toggle("elegida", i === voto);
    }
    if (voto >= 0) $("tuVoto").textContent = "Tu voto: " + LETRAS[voto] + ". Puedes cambiarlo hasta que se cierre.";
    else if (!soloQuitadas) $("tuVoto").textContent = "";
  }

  function ponerFinal(titulo, m) {
    pararCuenta();
    $("tituloFinal").textContent = titulo;
    const ol = $("lista");
    ol.replaceChildren();
    for (const p of Array.isArray(m.lista) ? m.lista : []) {
      const li = document.createElement("li");
      const n = document.createElement("span"); n.textContent = str(p && p.nombre);
      const s = document.createElement("span"); s.className = "pts"; s.textContent = str(p && p.puntos);
      li.append(n, s);
      ol.append(li);
    }
    const de = num(m.de), yo = num(m.tuPuesto);
    $("tuPuesto").textContent = yo > 0 ? "Tu puesto: " + yo + " de " + de + "." : "";
    mostrar("final");
  }

  function enviar(m) { if (ws && ws.readyState === WebSocket.OPEN) ws.send(JSON.stringify(m)); }

  // Coming back to a tab that had joined: straight in again.
  mostrar("unirse");
  if (codigo && ficha) { unido = true; conectar(); }
})();
