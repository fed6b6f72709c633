// The phone's page: joins the room, shows what the television shows, and is a buzzer.
// Everything the game or another player sends is shown as text (textContent), never as markup.
'use strict';

const $ = (id) => document.getElementById(id);
const tokenKey = 'quorvix-token';
let socket = null;
let reconnect = null;  // the one reconnection waiting, if any
let joined = false;
let myPlace = 0;  // 1 to 6, once joined
let buzzerDown = false;
let pendingJoin = null;  // a join asked for while there was no open connection

function status(text) { $('status').textContent = text; }

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN)
    socket.send(JSON.stringify(message));
}

function connectSoon(milliseconds) {
  if (!reconnect)
    reconnect = setTimeout(() => { reconnect = null; connect(); }, milliseconds);
}

// One connection at a time; the handlers of one that has been replaced do nothing.
function connect() {
  if (reconnect) {
    clearTimeout(reconnect);
    reconnect = null;
  }
  if (socket && socket.readyState !== WebSocket.CLOSED)
    return;
  const own = new WebSocket((location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/phone');
  socket = own;
  own.onopen = () => {
    if (own !== socket)
      return;
    const token = sessionStorage.getItem(tokenKey);
    if (pendingJoin) {
      status('Joining…');
      send(pendingJoin);
      pendingJoin = null;
    } else if (token) {
      status('Joining again…');
      send({type: 'resume', token: token});
    } else {
      own.close();
      showJoin();
    }
  };
  own.onmessage = (event) => {
    if (own !== socket)
      return;
    let message;
    try { message = JSON.parse(event.data); } catch (e) { return; }
    if (message.type === 'joined') {
      joined = true;
      myPlace = Number(message.place);
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
    } else if (message.type === 'box') {
      $('box-title').textContent = String(message.title);
      $('box-text').textContent = String(message.text);
      $('box').hidden = false;
    } else if (message.type === 'boxClosed') {
      $('box').hidden = true;
    }
  };
  own.onclose = (event) => {
    if (own !== socket)
      return;
    releaseBuzzer();
    joined = false;
    if (event.reason)
      status(event.reason);
    if (event.code === 4001) {
      // The game no longer knows this phone's place: it joins afresh.
      sessionStorage.removeItem(tokenKey);
      showJoin();
    } else if (event.code === 1008) {
      // Refused (a wrong code, say): the player tries again when ready.
      showJoin();
    } else if (event.code === 4003) {
      connectSoon(3000);  // too fast: back with the token after a pause
    } else if (sessionStorage.getItem(tokenKey)) {
      // Lost, or the phones turned off for a while: back with the token.
      if (!event.reason)
        status('Connection lost; trying again…');
      connectSoon(2000);
    } else {
      showJoin();
    }
    // A Join pressed while this connection was closing.
    if (pendingJoin)
      connect();
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
  for (const number of (Array.isArray(view.dealt) ? view.dealt : []).filter((caption) => caption)) {
    const item = document.createElement('li');
    item.textContent = String(number);
    numbers.appendChild(item);
  }
  // While a player answers, nobody can buzz: the button closes, and says who has the board.
  const answering = String(view.answering || '');
  $('answering').textContent = answering ? answering + ' is answering' : '';
  if (answering)
    releaseBuzzer();
  $('buzz').disabled = answering !== '';
  // The answering player's phone is their board: the buzzer gives way to their numbers.
  const mine = joined && Number(view.answeringPlace) === myPlace;
  $('board').hidden = !mine;
  $('buzz').hidden = mine;
  $('numbers').hidden = mine;
  if (!mine)
    $('box').hidden = true;  // a box of a turn that is over, however it was answered
  if (mine) {
    const captions = (list, count) => Array.from({length: count}, (_, i) => String((list || [])[i] || ''));
    const dealt = captions(view.dealt, 7), made = captions(view.made, 3), working = captions(view.working, 3);
    document.querySelectorAll('#working span').forEach((cell, i) => { cell.textContent = working[i]; });
    for (let i = 0; i < 7; ++i) {
      const tile = document.querySelector(`[data-on="dealtNumber${i}"]`);
      tile.textContent = dealt[i];
      tile.disabled = !dealt[i];
    }
    for (let i = 0; i < 3; ++i) {
      const tile = document.querySelector(`[data-on="madeNumber${i}"]`);
      tile.textContent = made[i];
      tile.disabled = !made[i];
    }
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
    const message = {type: 'join', room: $('room').value.toUpperCase(), place: Number($('place').value)};
    if ($('name').value.trim())
      message.name = $('name').value.trim();
    if (!message.place)
      delete message.place;
    if (!socket || socket.readyState !== WebSocket.OPEN) {
      // Sent once a connection opens: now, or once the one closing has closed.
      pendingJoin = message;
      connect();
      return;
    }
    status('Joining…');
    send(message);
  });
  // The board's controls: each tap is the round's to accept or refuse.
  document.querySelectorAll('#board [data-on]').forEach((control) => {
    control.addEventListener('click', () => send({type: 'tap', on: control.dataset.on}));
  });
  $('box-ok').addEventListener('click', () => {
    $('box').hidden = true;
    send({type: 'tap', on: 'ok'});
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
