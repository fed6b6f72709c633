// The phone's page: joins the room, shows what the television shows, and is a buzzer.
// Everything the game or another player sends is shown as text (textContent), never as markup.
'use strict';

const $ = (id) => document.getElementById(id);
const tokenKey = 'quorvix-token';
let socket = null;
let joined = false;
let buzzerDown = false;
let stopped = false;  // closed by the game for good: no reconnecting
let pendingJoin = null;  // a join asked for while the connection was closed

function status(text) { $('status').textContent = text; }

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN)
    socket.send(JSON.stringify(message));
}

function connect() {
  socket = new WebSocket((location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/phone');
  socket.onopen = () => {
    const token = sessionStorage.getItem(tokenKey);
    if (pendingJoin) {
      status('Joining…');
      send(pendingJoin);
      pendingJoin = null;
    } else if (token) {
      status('Joining again…');
      send({type: 'resume', token: token});
    } else {
      socket.close();
      showJoin();
    }
  };
  socket.onmessage = (event) => {
    let message;
    try { message = JSON.parse(event.data); } catch (e) { return; }
    if (message.type === 'joined') {
      joined = true;
      sessionStorage.setItem(tokenKey, String(message.token));
      $('join').hidden = true;
      $('room-view').hidden = false;
      $('me').textContent = 'Player ' + message.place + (message.name ? ' · ' + message.name : '');
      status('Joined. Buzz when you can make the target.');
    } else if (message.type === 'refused') {
      status(String(message.reason));
      showJoin();
    } else if (message.type === 'view') {
      showView(message);
    }
  };
  socket.onclose = (event) => {
    releaseBuzzer();
    const wasJoined = joined;
    joined = false;
    if (event.reason)
      status(event.reason);
    if (event.code === 4001) {
      // The game no longer knows this phone's place: it joins afresh.
      sessionStorage.removeItem(tokenKey);
      stopped = false;
    } else if (event.code === 1008) {
      stopped = true;
    }
    if (!stopped && (wasJoined || sessionStorage.getItem(tokenKey) || event.code === 4001)) {
      if (!event.reason)
        status('Connection lost; trying again…');
      setTimeout(connect, 1000);
    }
    // Otherwise the next Join connects again.
  };
}

function showJoin() {
  $('room-view').hidden = true;
  $('join').hidden = false;
  if (!$('status').textContent || $('status').textContent === 'Connecting…')
    status('Type the room code from the television.');
}

function showView(view) {
  $('heading').textContent = String(view.heading || '');
  $('target').textContent = String(view.target || '');
  const numbers = $('numbers');
  numbers.replaceChildren();
  for (const number of Array.isArray(view.numbers) ? view.numbers : []) {
    const item = document.createElement('li');
    item.textContent = String(number);
    numbers.appendChild(item);
  }
  const steps = Number(view.clockSteps) || 0;
  $('clock').hidden = steps <= 0;
  $('clock-left').style.width = steps > 0 ? (100 * Math.max(0, Number(view.clockLeft)) / steps) + '%' : '0';
  const scores = $('scores');
  scores.replaceChildren();
  for (const line of Array.isArray(view.scores) ? view.scores : []) {
    const item = document.createElement('li');
    item.textContent = String(line.text);
    if (line.name)
      item.className = 'name';
    scores.appendChild(item);
  }
}

function pressBuzzer(event) {
  event.preventDefault();
  if (!joined || buzzerDown)
    return;
  buzzerDown = true;
  $('buzz').classList.add('down');
  send({type: 'buzz', down: true});
}

function releaseBuzzer() {
  if (!buzzerDown)
    return;
  buzzerDown = false;
  $('buzz').classList.remove('down');
  send({type: 'buzz', down: false});
}

document.addEventListener('DOMContentLoaded', () => {
  const room = new URLSearchParams(location.search).get('room');
  if (room && /^[A-Za-z]{4}$/.test(room))
    $('room').value = room.toUpperCase();
  $('join').addEventListener('submit', (event) => {
    event.preventDefault();
    stopped = false;
    const message = {type: 'join', room: $('room').value.toUpperCase(), place: Number($('place').value)};
    if ($('name').value.trim())
      message.name = $('name').value.trim();
    if (!message.place)
      delete message.place;
    if (!socket || socket.readyState !== WebSocket.OPEN) {
      pendingJoin = message;
      if (!socket || socket.readyState === WebSocket.CLOSED)
        connect();
      return;
    }
    status('Joining…');
    send(message);
  });
  const buzz = $('buzz');
  buzz.addEventListener('pointerdown', pressBuzzer);
  for (const name of ['pointerup', 'pointercancel', 'pointerleave', 'lostpointercapture'])
    buzz.addEventListener(name, releaseBuzzer);
  buzz.addEventListener('touchstart', (event) => event.preventDefault(), {passive: false});
  buzz.addEventListener('touchcancel', releaseBuzzer);
  buzz.addEventListener('contextmenu', (event) => event.preventDefault());
  // A phone with a keyboard: the space bar, outside the form's fields.
  const isSpace = (event) => event.code === 'Space' && joined && !(event.target instanceof HTMLInputElement);
  document.addEventListener('keydown', (event) => { if (isSpace(event) && !event.repeat) pressBuzzer(event); });
  document.addEventListener('keyup', (event) => { if (isSpace(event)) releaseBuzzer(); });
  document.addEventListener('visibilitychange', () => { if (document.hidden) releaseBuzzer(); });
  window.addEventListener('blur', releaseBuzzer);
  window.addEventListener('pagehide', releaseBuzzer);
  // A phone that was in the room comes back to its place; another first fills in the form.
  if (sessionStorage.getItem(tokenKey))
    connect();
  else
    showJoin();
});
