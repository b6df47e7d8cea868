// The live bench's page: the gauges as the host draws them, the mouse as the
// panel gives it, a moving map and the controls, all through the JSON API.
"use strict";

const $ = (id) => document.getElementById(id);

// What the page knows; tests read it too.
const bench = {
  state: null,
  rate: 1,
  faceSerial: 0,
  shownFaceSerial: 0,
  latencies: [], // milliseconds from a press to the face that answered it
  trail: [],
  trailSerial: -1,
  drawn: null, // where the last map drawing put things, in canvas pixels
};
window.skelbor = bench;

// ---------------------------------------------------------------------------
// The API.

async function api(method, path, body) {
  const response = await fetch(path, {
    method,
    headers: body === undefined ? {} : { "Content-Type": "application/json" },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const answer = await response.json();
  if (!response.ok) {
    showMessage(answer.error || `${method} ${path}: ${response.status}`);
    throw new Error(answer.error);
  }
  return answer;
}

function send(method, path, body) {
  api(method, path, body).catch(() => {}); // the message shows the fault
}

let messageTimer = 0;
function showMessage(text) {
  const box = $("message");
  box.textContent = text;
  box.hidden = false;
  clearTimeout(messageTimer);
  messageTimer = setTimeout(() => { box.hidden = true; }, 6000);
}

// ---------------------------------------------------------------------------
// The faces.

const faces = { gps: $("face-gps"), icon: $("face-icon") };
let scale = 3;
// A press waiting for the face it changes: when and at which face serial.
let pendingPress = null;

function sizeFaces() {
  for (const img of Object.values(faces)) {
    if (img.naturalWidth) img.style.width = `${img.naturalWidth * scale}px`;
  }
  const frame = $("gps-frame");
  frame.style.minWidth = `${250 * scale}px`;
  frame.style.minHeight = `${130 * scale}px`;
}

function loadFaces(serial) {
  for (const [gauge, img] of Object.entries(faces)) {
    const next = new Image();
    next.onload = () => {
      if (serial < bench.shownFaceSerial && gauge === "gps") return; // an older one came late
      img.src = next.src;
      sizeFaces();
      if (gauge !== "gps") return;
      bench.shownFaceSerial = serial;
      if (pendingPress && serial > pendingPress.faceSerial) {
        const press = pendingPress;
        pendingPress = null;
        requestAnimationFrame(() => bench.latencies.push(performance.now() - press.time));
      }
    };
    next.src = `/api/face/${gauge}.png?serial=${serial}`;
  }
}

function gaugePixel(event) {
  const img = event.currentTarget;
  const rect = img.getBoundingClientRect();
  const x = Math.floor(((event.clientX - rect.left) / rect.width) * img.naturalWidth);
  const y = Math.floor(((event.clientY - rect.top) / rect.height) * img.naturalHeight);
  return {
    gauge: img.dataset.gauge,
    x: Math.min(Math.max(x, 0), img.naturalWidth - 1),
    y: Math.min(Math.max(y, 0), img.naturalHeight - 1),
  };
}

// Mouse requests go one after another: a release must never overtake its press.
let mouseQueue = Promise.resolve();
function sendMouse(path, body) {
  mouseQueue = mouseQueue.then(() => api("POST", path, body)).catch(() => {});
}

let held = false;
function release() {
  if (!held) return;
  held = false;
  sendMouse("/api/release", {});
}

const cursors = { hand: "pointer", uparrow: "n-resize", downarrow: "s-resize", none: "default" };
let hoverAsked = null; // the pixel asked about, or null
let hoverWanted = null; // the latest pixel the mouse is over
let hoverTimer = 0;
let mouseAt = { x: 0, y: 0 };

async function askHover() {
  if (hoverAsked || !hoverWanted) return;
  const pixel = hoverWanted;
  hoverAsked = pixel;
  try {
    const view = await api("GET", `/api/hover?gauge=${pixel.gauge}&x=${pixel.x}&y=${pixel.y}`);
    if (hoverWanted && hoverWanted.gauge === pixel.gauge) {
      faces[pixel.gauge].style.cursor = cursors[view.cursor] || "default";
      const text = view.tooltip || (view.helpId ? `(help id ${view.helpId})` : "");
      showTooltip(text);
    }
  } catch (error) {
    // shown as a message
  } finally {
    hoverAsked = null;
    if (hoverWanted && (hoverWanted.x !== pixel.x || hoverWanted.y !== pixel.y)) askHover();
  }
}

function showTooltip(text) {
  const tip = $("tooltip");
  tip.textContent = text;
  tip.hidden = text === "";
  tip.style.left = `${mouseAt.x + 14}px`;
  tip.style.top = `${mouseAt.y + 18}px`;
}

for (const img of Object.values(faces)) {
  img.addEventListener("contextmenu", (event) => event.preventDefault());
  img.addEventListener("mousedown", (event) => {
    event.preventDefault();
    const pixel = gaugePixel(event);
    pendingPress = { time: performance.now(), faceSerial: bench.shownFaceSerial };
    if (event.button === 0) {
      held = true;
      sendMouse("/api/press", pixel);
    } else if (event.button === 2) {
      sendMouse("/api/click", { ...pixel, button: "right" });
    }
  });
  img.addEventListener("mouseup", release);
  img.addEventListener("mouseleave", () => {
    release();
    hoverWanted = null;
    clearTimeout(hoverTimer);
    $("tooltip").hidden = true;
  });
  img.addEventListener("mousemove", (event) => {
    mouseAt = { x: event.clientX, y: event.clientY };
    const pixel = gaugePixel(event);
    if (hoverWanted && hoverWanted.x === pixel.x && hoverWanted.y === pixel.y) return;
    hoverWanted = pixel;
    $("tooltip").hidden = true;
    clearTimeout(hoverTimer);
    hoverTimer = setTimeout(askHover, 120); // as a tooltip waits for the mouse to rest
  });
}
window.addEventListener("blur", release);
window.addEventListener("mouseup", release);

$("scale").addEventListener("change", (event) => {
  scale = Number(event.target.value);
  sizeFaces();
});

// ---------------------------------------------------------------------------
// The map.

const canvas = $("map");
const context = canvas.getContext("2d");
const view = { lat: 0, lon: 0, nmPerPixel: 0.04, follow: true };
const world = { airports: [], navaids: [], centre: null, radius: 0, asking: false };
const DEG = Math.PI / 180;

function project(lat, lon) {
  const east = (lon - view.lon) * 60 * Math.cos(view.lat * DEG);
  const north = (lat - view.lat) * 60;
  return { x: canvas.width / 2 + east / view.nmPerPixel, y: canvas.height / 2 - north / view.nmPerPixel };
}

function unproject(x, y) {
  const north = (canvas.height / 2 - y) * view.nmPerPixel;
  const east = (x - canvas.width / 2) * view.nmPerPixel;
  return { lat: view.lat + north / 60, lon: view.lon + east / 60 / Math.cos(view.lat * DEG) };
}

function distanceNm(a, b) {
  const dLat = (b.lat - a.lat) * DEG;
  const dLon = (b.lon - a.lon) * DEG;
  const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * DEG) * Math.cos(b.lat * DEG) * Math.sin(dLon / 2) ** 2;
  return (2 * 6371000 * Math.asin(Math.min(1, Math.sqrt(h)))) / 1852;
}

function viewRadiusNm() {
  return Math.min(300, (Math.hypot(canvas.width, canvas.height) / 2) * view.nmPerPixel * 1.2);
}

async function fetchWorld() {
  const radius = viewRadiusNm();
  if (world.asking) return;
  if (world.centre && distanceNm(world.centre, view) < world.radius / 4 &&
      Math.abs(Math.log(radius / world.radius)) < 0.5) return;
  world.asking = true;
  try {
    const centre = { lat: view.lat, lon: view.lon };
    const data = await api("GET", `/api/map?lat=${centre.lat}&lon=${centre.lon}&radius=${radius.toFixed(2)}`);
    Object.assign(world, data, { centre, radius });
    draw();
  } catch (error) {
    // shown as a message
  } finally {
    world.asking = false;
  }
}

function resizeCanvas() {
  const ratio = window.devicePixelRatio || 1;
  const width = Math.max(320, Math.floor(canvas.clientWidth * ratio));
  const height = Math.floor(width * 0.55);
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
    draw();
  }
}

function label(text, x, y, colour) {
  context.fillStyle = colour;
  context.fillText(text, x + 7, y - 5);
}

function circleNm(centre, nm, colour, dashed) {
  const p = project(centre.lat, centre.lon);
  context.beginPath();
  context.setLineDash(dashed ? [6, 4] : []);
  context.strokeStyle = colour;
  context.lineWidth = 2;
  context.arc(p.x, p.y, nm / view.nmPerPixel, 0, 2 * Math.PI);
  context.stroke();
  context.setLineDash([]);
}

function drawNavaid(navaid) {
  const p = project(navaid.lat, navaid.lon);
  if (p.x < -20 || p.y < -20 || p.x > canvas.width + 20 || p.y > canvas.height + 20) return;
  const colour = navaid.kind === "NDB" ? "#9453bd" : "#1f77b4";
  context.strokeStyle = colour;
  context.lineWidth = 1.5;
  context.beginPath();
  if (navaid.kind === "NDB") {
    context.arc(p.x, p.y, 5, 0, 2 * Math.PI);
  } else if (navaid.kind === "DME" || navaid.kind === "TACAN") {
    context.rect(p.x - 5, p.y - 5, 10, 10);
  } else {
    for (let i = 0; i <= 6; i++) {
      const angle = (i * Math.PI) / 3;
      context[i === 0 ? "moveTo" : "lineTo"](p.x + 6 * Math.cos(angle), p.y + 6 * Math.sin(angle));
    }
  }
  context.stroke();
  label(navaid.ident, p.x, p.y, colour);
}

function drawAirport(airport) {
  const p = project(airport.lat, airport.lon);
  if (p.x < -50 || p.y < -50 || p.x > canvas.width + 50 || p.y > canvas.height + 50) return;
  context.strokeStyle = "#464646";
  context.lineWidth = Math.max(2, 0.03 / view.nmPerPixel);
  for (const [lat1, lon1, lat2, lon2] of airport.runways) {
    const a = project(lat1, lon1);
    const b = project(lat2, lon2);
    context.beginPath();
    context.moveTo(a.x, a.y);
    context.lineTo(b.x, b.y);
    context.stroke();
  }
  context.lineWidth = 1;
  context.beginPath();
  context.arc(p.x, p.y, 3, 0, 2 * Math.PI);
  context.stroke();
  if (view.nmPerPixel < 0.08 || airport.runways.length > 2) label(airport.ident, p.x, p.y, "#222");
}

function drawAircraft(aircraft) {
  const p = project(aircraft.lat, aircraft.lon);
  context.save();
  context.translate(p.x, p.y);
  context.rotate(aircraft.heading * DEG);
  context.fillStyle = "#d62728";
  context.strokeStyle = "#fff";
  context.beginPath();
  context.moveTo(0, -12);
  context.lineTo(8, 9);
  context.lineTo(0, 4);
  context.lineTo(-8, 9);
  context.closePath();
  context.fill();
  context.stroke();
  context.restore();
  return p;
}

// A round length of about a fifth of the map, as a bar in the corner.
function drawScaleBar() {
  const target = (canvas.width / 5) * view.nmPerPixel;
  const step = [1, 2, 5].map((m) => m * 10 ** Math.floor(Math.log10(target)))
    .filter((n) => n <= target).pop() || target;
  const length = step / view.nmPerPixel;
  const x = 20;
  const y = canvas.height - 20;
  context.strokeStyle = "#000";
  context.lineWidth = 2;
  context.beginPath();
  context.moveTo(x, y - 6);
  context.lineTo(x, y);
  context.lineTo(x + length, y);
  context.lineTo(x + length, y - 6);
  context.stroke();
  context.fillStyle = "#000";
  context.fillText(`${step} NM`, x + length / 2 - 12, y - 8);
}

function drawNorthArrow() {
  const x = canvas.width - 30;
  const y = 45;
  context.fillStyle = "#000";
  context.beginPath();
  context.moveTo(x, y - 25);
  context.lineTo(x + 8, y);
  context.lineTo(x, y - 6);
  context.lineTo(x - 8, y);
  context.closePath();
  context.fill();
  context.fillText("N", x - 4, y + 14);
}

function draw() {
  const state = bench.state;
  context.fillStyle = "#f6f5ef";
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.font = `${Math.round(12 * (window.devicePixelRatio || 1))}px sans-serif`;
  for (const airport of world.airports) drawAirport(airport);
  for (const navaid of world.navaids) drawNavaid(navaid);
  if (!state) return;
  const drawn = { facility: null, directTo: null };
  if (bench.trail.length > 1) {
    context.strokeStyle = "#d62728";
    context.lineWidth = 2;
    context.beginPath();
    bench.trail.forEach(([lat, lon], i) => {
      const p = project(lat, lon);
      context[i === 0 ? "moveTo" : "lineTo"](p.x, p.y);
    });
    context.stroke();
  }
  if (state.facility) {
    circleNm(state.facility, Math.max(1.2, 10 * view.nmPerPixel), "#2ca02c", false);
    drawn.facility = project(state.facility.lat, state.facility.lon);
    if (state.steering) circleNm(state.facility, 2, "#ff7f0e", true);
  }
  if (state.directTo && state.directTo.lat !== undefined) {
    const from = project(state.aircraft.lat, state.aircraft.lon);
    const to = project(state.directTo.lat, state.directTo.lon);
    context.strokeStyle = "#e377c2";
    context.lineWidth = 2;
    context.setLineDash([10, 5]);
    context.beginPath();
    context.moveTo(from.x, from.y);
    context.lineTo(to.x, to.y);
    context.stroke();
    context.setLineDash([]);
    drawn.directTo = to;
  }
  drawn.aircraft = { ...drawAircraft(state.aircraft), heading: state.aircraft.heading };
  drawScaleBar();
  drawNorthArrow();
  bench.drawn = drawn;
}

let drag = null;
canvas.addEventListener("mousedown", (event) => {
  const ratio = canvas.width / canvas.clientWidth;
  const x = event.offsetX * ratio;
  const y = event.offsetY * ratio;
  if ($("place-mode").checked) {
    const place = unproject(x, y);
    send("POST", "/api/aircraft", { lat: place.lat, lon: place.lon });
    return;
  }
  drag = { x, y, lat: view.lat, lon: view.lon };
  canvas.style.cursor = "grabbing";
});
canvas.addEventListener("mousemove", (event) => {
  if (!drag) return;
  const ratio = canvas.width / canvas.clientWidth;
  const dx = event.offsetX * ratio - drag.x;
  const dy = event.offsetY * ratio - drag.y;
  view.lat = drag.lat + (dy * view.nmPerPixel) / 60;
  view.lon = drag.lon - (dx * view.nmPerPixel) / 60 / Math.cos(view.lat * DEG);
  view.follow = false;
  $("follow").checked = false;
  draw();
});
window.addEventListener("mouseup", () => {
  if (!drag) return;
  drag = null;
  canvas.style.cursor = "";
  fetchWorld();
});
function zoom(factor) {
  view.nmPerPixel = Math.min(2, Math.max(0.002, view.nmPerPixel * factor));
  draw();
  fetchWorld();
}
canvas.addEventListener("wheel", (event) => {
  event.preventDefault();
  zoom(event.deltaY > 0 ? 1.25 : 0.8);
}, { passive: false });
$("zoom-in").addEventListener("click", () => zoom(0.8));
$("zoom-out").addEventListener("click", () => zoom(1.25));
$("follow").addEventListener("change", (event) => {
  view.follow = event.target.checked;
  if (view.follow && bench.state) centreOnAircraft();
});
$("place-mode").addEventListener("change", (event) => canvas.classList.toggle("placing", event.target.checked));
window.addEventListener("resize", resizeCanvas);

function centreOnAircraft() {
  view.lat = bench.state.aircraft.lat;
  view.lon = bench.state.aircraft.lon;
  fetchWorld();
}

// ---------------------------------------------------------------------------
// The state.

function degrees(value) {
  return `${Math.round(value).toString().padStart(3, "0")}°`;
}

function lamp(id, on) {
  const element = $(id);
  element.textContent = on ? "on" : "off";
  element.classList.toggle("on", on);
}

function fillIfIdle(id, value) {
  const input = $(id);
  if (document.activeElement !== input && input.dataset.edited !== "yes") input.value = value;
}

async function fetchTrail() {
  const full = await api("GET", "/api/state");
  bench.trail = full.trail;
  bench.trailSerial = full.trailSerial;
  showRate(full.rate);
}

function showState(state) {
  bench.state = state;
  const a = state.aircraft;
  if (state.trailSerial !== bench.trailSerial) {
    bench.trailSerial = state.trailSerial;
    bench.trail = [];
    fetchTrail().catch(() => {});
  } else {
    const last = bench.trail[bench.trail.length - 1];
    if (!last || distanceNm({ lat: last[0], lon: last[1] }, a) > view.nmPerPixel * 2) {
      bench.trail.push([a.lat, a.lon]);
      if (bench.trail.length > 20000) bench.trail.splice(0, 10000);
    }
  }
  lamp("lamp-steering", state.steering);
  lamp("lamp-autopilot", a.autopilot);
  lamp("lamp-hold", a.headingHold);
  $("selected-heading").textContent = `${degrees(a.selectedHeading)} magnetic`;
  $("window-closed").hidden = state.windowOpen;
  faces.gps.style.visibility = state.windowOpen ? "visible" : "hidden";
  const t = Math.floor(state.simTime);
  $("sim-time").textContent =
    `${Math.floor(t / 3600)}:${String(Math.floor(t / 60) % 60).padStart(2, "0")}:${String(t % 60).padStart(2, "0")}`;
  $("aircraft-now").textContent =
    `${a.lat.toFixed(4)} ${a.lon.toFixed(4)}, heading ${degrees(a.heading)} true, ` +
    `track ${degrees(a.track)}, ground speed ${a.groundSpeed.toFixed(0)} kt`;
  fillIfIdle("lat", a.lat.toFixed(5));
  fillIfIdle("lon", a.lon.toFixed(5));
  fillIfIdle("heading", a.heading.toFixed(0));
  fillIfIdle("knots", a.airspeed.toFixed(0));
  fillIfIdle("wind-from", state.wind.from);
  fillIfIdle("wind-knots", state.wind.knots);
  for (const button of document.querySelectorAll("[data-units]")) {
    button.classList.toggle("chosen", Number(button.dataset.units) === state.units);
  }
  $("geticao").textContent = JSON.stringify(state.getIcao);
  $("direct-to").textContent = state.directTo
    ? (state.directTo.ident || `${state.directTo.icao.trim()} (not in the world)`)
    : "none";
  showKeyEvents(state.keyEvents);
  if ($("settings").textContent !== state.settings) $("settings").textContent = state.settings;
  if (view.follow) {
    view.lat = a.lat;
    view.lon = a.lon;
    fetchWorld();
  }
  draw();
}

let keysShown = 0;
function showKeyEvents(events) {
  const list = $("key-events");
  if (events.length && events[events.length - 1].serial < keysShown) {
    // The module was loaded anew: its events count from 1 again.
    keysShown = 0;
    list.replaceChildren();
  }
  for (const event of events) {
    if (event.serial <= keysShown) continue;
    keysShown = event.serial;
    const item = document.createElement("li");
    item.value = event.serial;
    item.textContent = `${event.id} ${event.name || "(unknown)"} ${event.value}`;
    list.prepend(item);
    while (list.children.length > 40) list.lastChild.remove();
  }
}

function showRate(rate) {
  bench.rate = rate;
  for (const button of document.querySelectorAll("[data-rate]")) {
    button.classList.toggle("chosen", Number(button.dataset.rate) === rate);
  }
}

// ---------------------------------------------------------------------------
// Controls.

for (const button of document.querySelectorAll("[data-rate]")) {
  button.addEventListener("click", async () => {
    const answer = await api("POST", "/api/rate", { rate: Number(button.dataset.rate) });
    showRate(answer.rate);
  });
}
for (const button of document.querySelectorAll("[data-units]")) {
  button.addEventListener("click", () => send("POST", "/api/units", { units: Number(button.dataset.units) }));
}
for (const id of ["lat", "lon", "heading", "knots", "wind-from", "wind-knots"]) {
  $(id).addEventListener("input", () => { $(id).dataset.edited = "yes"; });
}
function settle(ids) {
  for (const id of ids) $(id).dataset.edited = "";
}
$("aircraft-form").addEventListener("submit", (event) => {
  event.preventDefault();
  send("POST", "/api/aircraft", {
    lat: Number($("lat").value), lon: Number($("lon").value),
    heading: Number($("heading").value), knots: Number($("knots").value),
  });
  settle(["lat", "lon", "heading", "knots"]);
});
$("wind-form").addEventListener("submit", (event) => {
  event.preventDefault();
  send("POST", "/api/wind", { from: Number($("wind-from").value), knots: Number($("wind-knots").value) });
  settle(["wind-from", "wind-knots"]);
});
$("seticao-form").addEventListener("submit", (event) => {
  event.preventDefault();
  send("POST", "/api/seticao", { icao: $("seticao").value });
});

// ---------------------------------------------------------------------------
// Live: one stream of events carries every change.

function connect() {
  const events = new EventSource("/api/events");
  events.addEventListener("open", () => {
    bench.shownFaceSerial = 0; // a server started anew counts its faces from 1 again
    $("status").textContent = "live";
    $("status").classList.add("live");
  });
  events.addEventListener("error", () => {
    $("status").textContent = "reconnecting…";
    $("status").classList.remove("live");
  });
  events.addEventListener("face", (event) => {
    bench.faceSerial = Number(event.data);
    loadFaces(bench.faceSerial);
  });
  events.addEventListener("state", (event) => showState(JSON.parse(event.data)));
}

async function start() {
  resizeCanvas();
  const state = await api("GET", "/api/state");
  bench.trail = state.trail;
  bench.trailSerial = state.trailSerial;
  showRate(state.rate);
  view.lat = state.aircraft.lat;
  view.lon = state.aircraft.lon;
  showState(state);
  loadFaces(0);
  connect();
}

start().catch((error) => showMessage(`the bench does not answer: ${error.message}`));
