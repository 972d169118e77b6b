// The page's side of Korvessa: the canvas, the input queue the game's
// platform layer reads, Web Audio, the data folder in the browser's storage,
// taking in and handing out saved games, full screen and the loading bar.
// This is linked into the program's script (korvessa.js) and runs before it starts.

var Module = typeof Module != 'undefined' ? Module : {};

(function () {
  'use strict';

  var DATA = '/korvessa';                  // the data folder, the game's working folder
  var PICKED = '/taken-in';                // files taken in by the page, before the game copies them
  var GENERATED = ['images', 'terrain', 'sounds'];  // come with the page, never stored
  var SAVED_GAMES = 'Saved Games';
  var WIDTH = 1024, HEIGHT = 768;

  function $(id) { return document.getElementById(id); }

  // What the browser test reads: the frames, the uploads and their times,
  // and when each step of the start was reached (ms since navigation).
  var stats = { presents: 0, uploads: 0, times: [], start: {} };
  Module.kvStats = stats;
  function reached(step) { if (!(step in stats.start)) stats.start[step] = performance.now(); }
  reached('script');
  var canvas = $('kv-canvas');
  var stage = $('kv-stage');

  // ---- Notices on the page (never the game's own boxes) ----
  function notice(text) {
    var box = $('kv-notice');
    box.textContent = text;
    box.hidden = !text;
  }

  // ---- Loading ----
  Module.canvas = canvas;
  Module.onAbort = function (what) {
    $('kv-loading').hidden = false;
    $('kv-loading-text').textContent = 'KORVESSA COULD NOT START: ' + what;
  };

  // The bytes of a response as they arrive, shown on the loading bar.
  function countedBody(response) {
    var total = +response.headers.get('Content-Length') || 0;
    var loaded = 0;
    var reader = response.body.getReader();
    return new ReadableStream({
      pull: function (controller) {
        return reader.read().then(function (part) {
          if (part.done) { controller.close(); return; }
          loaded += part.value.length;
          if (total) $('kv-progress').value = loaded / total;
          controller.enqueue(part.value);
        });
      }
    });
  }

  // Unpacks a tar file (regular files and folders) into the data folder.
  function unpackTar(bytes) {
    function field(at, length) {
      var end = at;
      while (end < at + length && bytes[end]) end++;
      return new TextDecoder().decode(bytes.subarray(at, end));
    }
    for (var at = 0; at + 512 <= bytes.length;) {
      var name = field(at, 100);
      if (!name) break;
      var size = parseInt(field(at + 124, 12).trim() || '0', 8);
      var kind = String.fromCharCode(bytes[at + 156] || 48);
      var path = DATA + '/' + name.replace(/^\.\//, '').replace(/\/$/, '');
      if (kind == '5') FS.mkdirTree(path);
      else if (kind == '0') {
        FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
        FS.writeFile(path, bytes.subarray(at + 512, at + 512 + size));
      }
      at += 512 + Math.ceil(size / 512) * 512;
    }
  }

  // The generated pictures and sounds, fetched while the program loads.
  function loadGeneratedFiles() {
    addRunDependency('kv-data');
    fetch('korvessa-data.tar.gz')
      .then(function (response) {
        if (!response.ok) throw new Error('korvessa-data.tar.gz: ' + response.status);
        return new Response(countedBody(response)).arrayBuffer();
      })
      .then(function (bytes) {
        // Servers that mark .gz files as gzip-encoded have the browser
        // unpack them already; the others hand over the compressed bytes.
        var head = new Uint8Array(bytes, 0, 2);
        if (head[0] != 0x1f || head[1] != 0x8b) return bytes;
        var unzipped = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
        return new Response(unzipped).arrayBuffer();
      })
      .then(function (tar) {
        reached('download');
        // Unpacked once the program's memory exists, which the file system
        // writes through: before its start, after every download.
        Module.preRun = [function () {
          unpackTar(new Uint8Array(tar));
          reached('unpacked');
        }];
        removeRunDependency('kv-data');
      })
      .catch(function (error) { Module.onAbort('THE PICTURES AND SOUNDS DID NOT LOAD (' + error.message + ')'); });
  }

  // ---- The data folder in the browser's storage ----
  var filesChanged = false;
  var storing = false;

  function isGenerated(path) {
    var rest = path.slice(DATA.length + 1).split('/')[0].toLowerCase();
    return path.indexOf(DATA + '/') === 0 && GENERATED.indexOf(rest) >= 0;
  }
  function inDataFolder(path) {
    if (typeof path != 'string') return false;
    if (path.charAt(0) != '/') path = FS.cwd() + '/' + path;
    return path.indexOf(DATA + '/') === 0 && !isGenerated(path);
  }

  // The generated pictures and sounds come with the page every time; only
  // the player's own files go to the browser's database.
  function leaveOutGenerated() {
    var localSet = IDBFS.getLocalSet;
    IDBFS.getLocalSet = function (mount, callback) {
      localSet(mount, function (err, set) {
        if (!err) {
          Object.keys(set.entries).forEach(function (p) {
            if (isGenerated(p)) delete set.entries[p];
          });
        }
        callback(err, set);
      });
    };
  }

  // Every change to the data folder is noted, so the game stores it before
  // it goes on (see the platform's StoreChangedFiles).
  function noteWrites() {
    function watch(name, pathOf) {
      var original = FS[name];
      FS[name] = function () {
        var result = original.apply(FS, arguments);
        if (inDataFolder(pathOf.apply(null, arguments))) filesChanged = true;
        return result;
      };
    }
    watch('write', function (stream) { return stream && stream.path; });
    watch('rename', function (from, to) { return inDataFolder(from) ? from : to; });
    watch('unlink', function (path) { return path; });
    watch('rmdir', function (path) { return path; });
    watch('mkdir', function (path) { return path; });
    watch('truncate', function (path) { return path; });
  }

  // A reload made while the last page was still storing can find the
  // database in the middle of a change; a second look a moment later reads
  // it whole. Files that could not be read are never stored over: the store
  // would delete every saved game the page did not see.
  var storageReadable = true;
  function readStoredFiles(triesLeft, done) {
    FS.syncfs(true, function (err) {
      if (!err) return done();
      console.warn('reading the stored files failed: ' + err);
      if (triesLeft > 1) {
        setTimeout(function () { readStoredFiles(triesLeft - 1, done); }, 250);
        return;
      }
      storageReadable = false;
      notice('THIS BROWSER DOES NOT KEEP THE GAME\'S FILES: THEY ARE LOST WHEN THE PAGE CLOSES.');
      done();
    });
  }

  function openStorage() {
    FS.mkdir(DATA);
    FS.mount(IDBFS, {}, DATA);
    FS.mkdir(PICKED);
    leaveOutGenerated();
    addRunDependency('kv-storage');
    readStoredFiles(4, function () {
      FS.chdir(DATA);
      noteWrites();
      reached('storage');
      removeRunDependency('kv-storage');
    });
    loadGeneratedFiles();
  }
  // Before anything else runs, so the data package is unpacked into the
  // mounted folder once the stored files are back.
  Module.preInit = [openStorage];

  Module.kvFilesChanged = function () { return filesChanged && !storing && storageReadable; };
  Module.kvStoreFiles = function () {
    filesChanged = false;
    storing = true;
    return new Promise(function (done) {
      FS.syncfs(false, function (err) {
        storing = false;
        if (err) notice('THE BROWSER DID NOT STORE THE GAME\'S FILES: ' + err);
        done();
      });
    });
  };

  // ---- The picture ----
  var context = null;

  Module.kvShowPicture = function (bytes, width, height) {
    if (!context) context = canvas.getContext('2d', { alpha: false });
    var clamped = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, bytes.length);
    context.putImageData(new ImageData(clamped, width, height), 0, 0);
  };
  Module.kvNotePresent = function (uploaded, ms) {
    stats.presents++;
    if (uploaded) {
      reached('first picture');
      stats.uploads++;
      stats.times.push(ms);
      if (stats.times.length > 1000) stats.times.shift();
    }
  };

  // Scaled to fit, aspect kept, bars around, sharp pixels (see the CSS).
  function fitPicture() {
    var box = stage.getBoundingClientRect();
    var scale = Math.min(box.width / WIDTH, box.height / HEIGHT);
    if (!(scale > 0)) return;
    canvas.style.width = Math.floor(WIDTH * scale) + 'px';
    canvas.style.height = Math.floor(HEIGHT * scale) + 'px';
  }
  new ResizeObserver(fitPicture).observe(stage);

  // ---- Input, as the platform layer reads it (see web_platform.cpp) ----
  var queue = [];
  var cursor = { x: 0, y: 0, inside: false };
  var KEY_DOWN = 1, KEY_UP = 2, BUTTON_DOWN = 3, BUTTON_UP = 4, VISIBILITY = 5, FOCUS = 6, DROP = 7, WHEEL = 9;
  var ALT = 1, REPEAT = 2;  // flags of a key down
  var VK_OEM_8 = 0xDF;  // a key without a code of its own that still types
  var CONTROL_CHARACTERS = { Backspace: 8, Tab: 9, Enter: 13, Escape: 27, Delete: 127 };
  var running = false;

  function post(entry) { if (running) queue.push(entry); }
  Module.kvNextInput = function () { return queue.shift(); };
  Module.kvInputWaiting = function () { return queue.length > 0; };
  Module.kvCursor = function () { return (cursor.x & 0xFFFF) | (cursor.y << 16); };
  Module.kvCursorInWindow = function () { return cursor.inside; };

  // A page position in picture coordinates; `inside` false on a bar.
  function toPicture(event) {
    var r = canvas.getBoundingClientRect();
    var x = Math.floor((event.clientX - r.left) * WIDTH / r.width);
    var y = Math.floor((event.clientY - r.top) * HEIGHT / r.height);
    var inside = x >= 0 && y >= 0 && x < WIDTH && y < HEIGHT;
    return {
      x: Math.min(Math.max(x, 0), WIDTH - 1),
      y: Math.min(Math.max(y, 0), HEIGHT - 1),
      inside: inside
    };
  }

  stage.addEventListener('mousedown', function (e) {
    if (e.button != 0 && e.button != 2) return;
    var p = toPicture(e);
    post([BUTTON_DOWN, e.button, p.inside ? p.x : -1, p.inside ? p.y : -1]);
    e.preventDefault();
  });
  window.addEventListener('mouseup', function (e) {
    if (e.button == 0 || e.button == 2) post([BUTTON_UP, e.button]);
  });
  window.addEventListener('mousemove', function (e) {
    var p = toPicture(e);
    cursor.x = p.x;
    cursor.y = p.y;
    cursor.inside = p.inside;
  });
  document.documentElement.addEventListener('mouseleave', function () { cursor.inside = false; });
  stage.addEventListener('wheel', function (e) {
    var p = toPicture(e);
    if (p.inside && e.deltaY) post([WHEEL, e.deltaY < 0 ? 1 : -1, p.x, p.y]);
    e.preventDefault();
  }, { passive: false });
  stage.addEventListener('contextmenu', function (e) { e.preventDefault(); });

  function characterOf(e) {
    if (e.key in CONTROL_CHARACTERS) return CONTROL_CHARACTERS[e.key];
    var chars = Array.from(e.key);
    if (chars.length != 1) return 0;
    var code = chars[0].codePointAt(0);
    return code >= 32 && code < 256 ? code : 0;
  }
  function keyCodeOf(e) {
    if (e.keyCode > 0 && e.keyCode < 256) return e.keyCode;
    return Array.from(e.key).length == 1 ? VK_OEM_8 : 0;
  }
  // Keys the browser keeps: reloading, its own full screen, developer tools,
  // and shortcuts with Ctrl.
  function browserKeeps(e) {
    return e.key == 'F5' || e.key == 'F11' || e.key == 'F12' || e.ctrlKey || e.metaKey;
  }
  function typingInPage(e) {
    return e.target && e.target.tagName == 'INPUT';
  }

  window.addEventListener('keydown', function (e) {
    if (typingInPage(e)) return;
    if (e.altKey && e.key == 'Enter') {
      // The platform's own switch, as on the desktop: the game never sees it.
      if (!e.repeat) toggleFullScreen();
      e.preventDefault();
      return;
    }
    var vk = keyCodeOf(e);
    if (vk == 0) return;
    // Only the left Alt makes a system key; AltGr types characters.
    var alt = e.altKey && !e.getModifierState('AltGraph');
    post([KEY_DOWN, vk, alt ? 0 : characterOf(e), (alt ? ALT : 0) | (e.repeat ? REPEAT : 0)]);
    if (!browserKeeps(e)) e.preventDefault();
  });
  window.addEventListener('keyup', function (e) {
    if (typingInPage(e)) return;
    var vk = keyCodeOf(e);
    if (vk) post([KEY_UP, vk]);
  });
  document.addEventListener('visibilitychange', function () {
    post([VISIBILITY, document.hidden ? 1 : 0]);
  });
  window.addEventListener('focus', function () { post([FOCUS, 1]); });
  window.addEventListener('blur', function () { post([FOCUS, 0]); });

  // ---- Full screen ----
  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (stage.requestFullscreen) stage.requestFullscreen().catch(function () {});
  }
  $('kv-fullscreen').addEventListener('click', toggleFullScreen);

  // ---- Sound through Web Audio: decoded at start, heard from the first gesture ----
  var audio = null;
  var sounds = {};
  var playing = null;

  function decodeSounds() {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    audio = new Context();
    FS.readdir('Sounds').forEach(function (name) {
      if (!/\.wav$/i.test(name)) return;
      var bytes = FS.readFile('Sounds/' + name);
      audio.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length))
        .then(function (buffer) { sounds[('Sounds/' + name).toLowerCase()] = buffer; })
        .catch(function () {});
    });
    function wake() { if (audio.state != 'running') audio.resume().catch(function () {}); }
    window.addEventListener('mousedown', wake, true);
    window.addEventListener('keydown', wake, true);
  }

  Module.kvPlaySound = function (path) {
    if (!audio || audio.state != 'running') return;
    var buffer = sounds[path.toLowerCase()];
    if (!buffer) return;
    if (playing) { try { playing.stop(); } catch (e) {} }
    playing = audio.createBufferSource();
    playing.buffer = buffer;
    playing.connect(audio.destination);
    playing.start();
  };

  // ---- Taking in a saved game: as a file dropped on the game's window ----
  function takeIn(files) {
    Array.from(files).forEach(function (file) {
      file.arrayBuffer().then(function (buffer) {
        var name = file.name.replace(/[\/\\]/g, '_') || 'GAME.KV1';
        var path = PICKED + '/' + name;
        FS.writeFile(path, new Uint8Array(buffer));
        post([DROP, 0, 0, 0, path]);
      });
    });
  }
  $('kv-take-in').addEventListener('change', function (e) {
    takeIn(e.target.files);
    e.target.value = '';
  });
  document.addEventListener('dragover', function (e) {
    e.preventDefault();
    e.dataTransfer.dropEffect = 'copy';
  });
  document.addEventListener('drop', function (e) {
    e.preventDefault();
    if (e.dataTransfer && e.dataTransfer.files.length) takeIn(e.dataTransfer.files);
  });

  // ---- Handing out saved games ----
  function savedGamesFolder() {
    var found = FS.readdir(DATA).filter(function (n) { return n.toLowerCase() == SAVED_GAMES.toLowerCase(); });
    return found.length ? DATA + '/' + found[0] : null;
  }
  Module.kvSavedGames = function () {
    var folder = savedGamesFolder();
    if (!folder) return [];
    return FS.readdir(folder).filter(function (n) { return /\.kv1$/i.test(n); }).sort();
  };
  // The bytes of a saved game as base64, for the browser test.
  Module.kvSavedGameText = function (name) {
    var bytes = FS.readFile(savedGamesFolder() + '/' + name);
    var text = '';
    for (var i = 0; i < bytes.length; i += 0x8000)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(text);
  };
  function download(name) {
    var bytes = FS.readFile(savedGamesFolder() + '/' + name);
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 10000);
  }
  function listSavedGames() {
    var list = $('kv-saved-list');
    list.textContent = '';
    var names = Module.kvSavedGames();
    if (!names.length) {
      var none = document.createElement('li');
      none.textContent = 'NO SAVED GAMES YET';
      list.appendChild(none);
    }
    names.forEach(function (name) {
      var item = document.createElement('li');
      var button = document.createElement('button');
      button.textContent = name;
      button.addEventListener('click', function () { download(name); });
      item.appendChild(button);
      list.appendChild(item);
    });
  }
  $('kv-saved').addEventListener('click', function () {
    var panel = $('kv-saved-panel');
    panel.hidden = !panel.hidden;
    if (!panel.hidden) listSavedGames();
  });

  // ---- Start and end ----
  Module.kvGameStarting = function () {
    reached('main');
    $('kv-loading').hidden = true;
    running = true;
    try { decodeSounds(); } catch (e) { /* a page without sound still plays */ }
  };
  Module.kvWindowClosed = function () { running = false; };
  Module.kvGameEnded = function () {
    running = false;
    $('kv-ended').hidden = false;
  };
  $('kv-again').addEventListener('click', function () { location.reload(); });
})();
