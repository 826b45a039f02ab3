// The page's start: the core loaded, the input bound, the first deal dealt and the
// seconds counted; then the service worker, which keeps the site for offline play.

import { loadCore } from './core.js';
import { Game } from './game.js';
import { bindInput } from './input.js';
import { View } from './view.js';

const core = await loadCore();
const view = new View(document);
const game = new Game(core, view);
bindInput(game, core, view);
game.deal();
setInterval(() => game.tick(), 250);
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
