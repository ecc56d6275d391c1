// The map page of `tessera serve`: country outlines as the base layer, a
// search box for addresses, a click for the square under the pointer, and
// the 3 m grid once zoomed in far enough. Everything comes from the server
// that serves this page; nothing from elsewhere.
'use strict';

(function () {
  // Below this zoom the grid lines would lie closer than a few pixels.
  const GRID_MIN_ZOOM = 19;
  const SQUARE_ZOOM = 19;

  const searchForm = document.getElementById('search-form');
  const search = document.getElementById('search');
  const languageSelect = document.getElementById('language');
  const suggestionList = document.getElementById('suggestions');
  const result = document.getElementById('result');
  const status = document.getElementById('status');

  const map = L.map('map', {minZoom: 2, maxZoom: 21, worldCopyJump: true})
      .setView([20, 0], 2);
  window.tesseraMap = map;  // for the page's browser test
  const squareLayer = L.layerGroup().addTo(map);
  const gridLayer = L.geoJSON(null, {
    interactive: false,
    style: {color: '#2c3e50', weight: 1, opacity: 0.35, className: 'grid-line'},
  }).addTo(map);
  let dataVersion = '';
  let gridLines = 0;

  // Calls the API; throws an Error carrying the server's message and type.
  async function api(path, params) {
    const query = new URLSearchParams(params || {}).toString();
    const response = await fetch(path + (query ? '?' + query : ''));
    const body = await response.json();
    if (!response.ok) {
      const error = new Error(body.error ? body.error.message : response.statusText);
      error.type = body.error ? body.error.type : 'HttpError';
      throw error;
    }
    dataVersion = body.data_version ||
        (body.properties && body.properties.data_version) || dataVersion;
    return body;
  }

  function showStatus() {
    const parts = [];
    if (dataVersion) parts.push('Data ' + dataVersion);
    parts.push('zoom ' + map.getZoom());
    if (map.getZoom() >= GRID_MIN_ZOOM) parts.push(gridLines + ' grid lines');
    else parts.push('zoom in for the grid');
    status.textContent = parts.join(' · ');
  }

  function element(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function showError(message) {
    result.replaceChildren(element('div', 'error', message));
  }

  // Shows a conversion answer: the address, its details and its square.
  function showSquare(answer) {
    const sw = answer.square.southwest;
    const ne = answer.square.northeast;
    squareLayer.clearLayers();
    L.rectangle([[sw.lat, sw.lng], [ne.lat, ne.lng]], {
      color: '#e74c3c', weight: 2, fillOpacity: 0.25, className: 'square',
    }).addTo(squareLayer);
    const c = answer.coordinates;
    result.replaceChildren(
        element('div', 'words', answer.words),
        element('div', 'place', answer.nearest_place ?
            'Near ' + answer.nearest_place : 'No place nearby'),
        element('div', 'details', 'Country ' + answer.country +
            ' · language ' + answer.language),
        element('div', 'centre', c.lat.toFixed(6) + ', ' + c.lng.toFixed(6)));
    document.body.dataset.words = answer.words;
  }

  async function convertPosition(latlng) {
    const p = latlng.wrap();
    try {
      showSquare(await api('v1/convert-to-3wa', {
        coordinates: p.lat.toFixed(6) + ',' + p.lng.toFixed(6),
        language: languageSelect.value || 'en',
      }));
    } catch (error) {
      showError(error.message);
    }
  }

  async function goToAddress(words) {
    const answer = await api('v1/convert-to-coordinates', {words: words});
    showSquare(answer);
    suggestionList.replaceChildren();
    map.setView([answer.coordinates.lat, answer.coordinates.lng],
        Math.max(map.getZoom(), SQUARE_ZOOM));
  }

  function showSuggestions(items, note) {
    suggestionList.replaceChildren();
    for (const s of items) {
      const li = element('li', 'suggestion', s.words);
      if (s.nearest_place) li.title = s.nearest_place;
      li.addEventListener('click', () => {
        search.value = s.words;
        goToAddress(s.words).catch((error) => showError(error.message));
      });
      suggestionList.appendChild(li);
    }
    if (note) suggestionList.appendChild(element('li', 'note', note));
  }

  // As the user types: a whole address goes straight to its square;
  // anything else asks for suggestions near the middle of the map.
  let typed = 0;
  async function lookUp() {
    const text = search.value.trim();
    const turn = ++typed;
    if (!text) {
      showSuggestions([]);
      return;
    }
    if (/^[^.\s]+\.[^.\s]+\.[^.\s]+$/.test(text)) {
      try {
        await goToAddress(text);
        return;
      } catch (error) {
        if (turn !== typed) return;
        if (error.type !== 'NoResult') showError(error.message);
      }
    }
    const centre = map.getCenter().wrap();
    try {
      const answer = await api('v1/autosuggest', {
        input: text,
        focus: centre.lat.toFixed(6) + ',' + centre.lng.toFixed(6),
        'n-results': '5',
      });
      if (turn !== typed) return;
      showSuggestions(answer.suggestions,
          answer.suggestions.length ? '' : 'No suggestions');
    } catch (error) {
      if (turn !== typed) return;
      showSuggestions([], 'No suggestions: ' + error.message);
    }
  }

  let typingTimer = 0;
  search.addEventListener('input', () => {
    clearTimeout(typingTimer);
    typingTimer = setTimeout(lookUp, 250);
  });
  searchForm.addEventListener('submit', (event) => {
    event.preventDefault();
    clearTimeout(typingTimer);
    lookUp();
  });

  map.on('click', (event) => convertPosition(event.latlng));

  // The grid lines of the view, once zoomed in far enough.
  let gridTurn = 0;
  async function updateGrid() {
    const turn = ++gridTurn;
    // The zoom of the view once it has settled, for the page's test.
    document.body.dataset.zoom = String(map.getZoom());
    if (map.getZoom() < GRID_MIN_ZOOM) {
      gridLayer.clearLayers();
      gridLines = 0;
      document.body.dataset.gridLines = '0';
      showStatus();
      return;
    }
    const b = map.getBounds();
    const south = Math.max(b.getSouth(), -90);
    const north = Math.min(b.getNorth(), 90);
    const centre = map.getCenter();
    const west = L.Util.wrapNum(b.getWest(), [-180, 180], true);
    const east = west + (b.getEast() - b.getWest());
    const box = [south, west, north, Math.min(east, 180)]
        .map((n) => n.toFixed(6)).join(',');
    try {
      const feature = await api('v1/grid-section',
          {'bounding-box': box, format: 'geojson'});
      if (turn !== gridTurn) return;
      gridLayer.clearLayers();
      // Lines drawn at the longitudes of the world copy in view.
      const shift = centre.lng - centre.wrap().lng;
      if (shift !== 0) {
        for (const line of feature.geometry.coordinates) {
          for (const point of line) point[0] += shift;
        }
      }
      gridLayer.addData(feature);
      gridLines = feature.geometry.coordinates.length;
      document.body.dataset.gridLines = String(gridLines);
    } catch (error) {
      if (turn !== gridTurn) return;
      gridLayer.clearLayers();
      gridLines = 0;
      status.textContent = 'Grid: ' + error.message;
      return;
    }
    showStatus();
  }
  map.on('moveend', updateGrid);

  // The outlines are drawn for a globe: a ring that crosses the
  // antimeridian jumps from one edge of a flat map to the other, and
  // would be drawn as a stripe across the world. Such rings are carried on
  // past the edge instead.
  function unwrapRings(geometry) {
    const polygons = geometry.type === 'Polygon' ? [geometry.coordinates] :
        geometry.type === 'MultiPolygon' ? geometry.coordinates : [];
    for (const polygon of polygons) {
      for (const ring of polygon) {
        let shift = 0;
        for (let i = 1; i < ring.length; i++) {
          const jump = ring[i][0] + shift - ring[i - 1][0];
          if (jump > 180) shift -= 360;
          else if (jump < -180) shift += 360;
          ring[i][0] += shift;
        }
      }
    }
  }

  async function start() {
    const [topology, languages] = await Promise.all([
      fetch('outlines/countries-50m.json').then((r) => r.json()),
      api('v1/available-languages'),
    ]);
    const countries = topojson.feature(topology, topology.objects.countries);
    for (const country of countries.features) {
      if (country.geometry) unwrapRings(country.geometry);
    }
    L.geoJSON(countries, {
      interactive: false,
      style: {color: '#8c8c8c', weight: 0.7, fillColor: '#f4f1ea', fillOpacity: 1},
    }).addTo(map).bringToBack();
    for (const code of languages.languages) {
      const option = element('option', '', code);
      option.value = code;
      languageSelect.appendChild(option);
    }
    languageSelect.value = languages.languages.includes('en') ? 'en' :
        languages.languages[0];
    showStatus();
    document.body.dataset.ready = 'true';
  }
  start().catch((error) => showError('The page could not start: ' + error.message));
})();
