-- Push: one batch of a device in one transaction. The server fixes every row's site from what it holds,
-- checks the caller's rights on it, clamps every stamp and checks every key; a change it refuses is
-- answered as rejected with the reason and the others go on.

-- The id a name stands for, as the archives make them (a version-5-like uuid of the name's digest).
CREATE OR REPLACE FUNCTION terrovane.derived_uuid(name_text text) RETURNS uuid
LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    digest bytea := sha256(convert_to(name_text, 'UTF8'));
BEGIN
    digest := set_byte(digest, 6, (get_byte(digest, 6) & 15) | 80);
    digest := set_byte(digest, 8, (get_byte(digest, 8) & 63) | 128);
    RETURN encode(substring(digest FROM 1 FOR 16), 'hex')::uuid;
END
$$;

-- A field's text as the server holds it, else as the same batch claims it (a new thing's fields come
-- together).
CREATE OR REPLACE FUNCTION terrovane.field_text(target_kind text, target_id uuid, target_field text, claims jsonb)
RETURNS text
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT coalesce((SELECT f.value #>> '{}' FROM terrovane.fields f
                     WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field),
                    claims #>> ARRAY[target_kind || ':' || target_id::text || ':' || target_field])
$$;

CREATE OR REPLACE FUNCTION terrovane.site_of_point(point_id uuid) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_site uuid;
BEGIN
    SELECT f.site INTO found_site FROM terrovane.fields f WHERE f.kind = 'point' AND f.id = point_id LIMIT 1;
    IF NOT FOUND THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the point is not on the server';
    END IF;
    RETURN found_site;
END
$$;

-- The site a visit belongs to, held on the server or claimed in the same batch (a new visit and the results
-- assigned to it come together).
CREATE OR REPLACE FUNCTION terrovane.site_of_visit(visit_id uuid, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_site uuid;
BEGIN
    SELECT f.site INTO found_site FROM terrovane.fields f WHERE f.kind = 'visit' AND f.id = visit_id LIMIT 1;
    IF NOT FOUND THEN
        found_site := terrovane.as_uuid(claims #>> ARRAY['visit:' || visit_id::text || ':site']);
    END IF;
    IF found_site IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the visit is not on the server';
    END IF;
    RETURN found_site;
END
$$;

-- The site a thing belongs to after this change, as the server sees it: a site is its own, a point and a
-- visit are their site's, an assignment the site of the point it names (and a result's visit must be of that
-- site), a result's note its assignment's site, a stored analysis the site of its content. What the client
-- says a row's site is counts for nothing.
CREATE OR REPLACE FUNCTION terrovane.site_after(target_kind text, target_id uuid, target_field text,
                                                new_value jsonb, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    named text;
    found_site uuid;
BEGIN
    CASE target_kind
    WHEN 'site' THEN
        RETURN target_id;
    WHEN 'point', 'visit' THEN
        named := CASE WHEN target_field = 'site' THEN new_value #>> '{}'
                      ELSE terrovane.field_text(target_kind, target_id, 'site', claims) END;
        found_site := terrovane.as_uuid(named);
        IF found_site IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('a %s needs its site', target_kind);
        END IF;
        IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = found_site) THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = format('the %s''s site is not on the server', target_kind);
        END IF;
        -- A visit stays at the site it was made for: moving it would take its results' assignments along.
        IF target_kind = 'visit' AND EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'visit'
                                             AND f.id = target_id AND f.site IS DISTINCT FROM found_site) THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a visit stays at its site';
        END IF;
        RETURN found_site;
    WHEN 'assignment' THEN
        named := terrovane.field_text('assignment', target_id, 'result', claims);
        IF target_field = 'result' THEN
            named := new_value #>> '{}';
        END IF;
        IF NOT terrovane.is_content_key(named) OR terrovane.derived_uuid('assignment:result:' || named) <> target_id
        THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its result by its key';
        END IF;
        named := CASE WHEN target_field = 'point' THEN new_value #>> '{}'
                      ELSE terrovane.field_text('assignment', target_id, 'point', claims) END;
        IF named IS NULL THEN
            found_site := NULL;  -- not assigned: its sender's and the admins'
        ELSIF terrovane.as_uuid(named) IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its point by its id';
        ELSE
            found_site := terrovane.site_of_point(terrovane.as_uuid(named));
        END IF;
        IF target_field = 'visit' AND jsonb_typeof(new_value) <> 'null' THEN
            IF terrovane.as_uuid(new_value #>> '{}') IS NULL THEN
                RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its visit by its id';
            END IF;
            IF terrovane.site_of_visit(terrovane.as_uuid(new_value #>> '{}'), claims) IS DISTINCT FROM found_site THEN
                RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a result''s visit is of its point''s site';
            END IF;
        END IF;
        RETURN found_site;
    WHEN 'note' THEN
        named := CASE WHEN target_field = 'target' THEN new_value #>> '{}'
                      ELSE terrovane.field_text('note', target_id, 'target', claims) END;
        IF named IS NULL OR terrovane.derived_uuid('note:' || named) <> target_id
           OR NOT (named ~ '^(result|readout):[0-9a-f]{64}$') THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a note names a result or a read-out by its key';
        END IF;
        IF named LIKE 'result:%' THEN
            RETURN terrovane.result_site(substr(named, 8));
        END IF;
        RETURN NULL;  -- a read-out's note: its writer's and the admins'
    WHEN 'typed_result', 'typed_traverse', 'typed_sounding', 'typed_visit' THEN
        RETURN terrovane.site_of_typed(target_kind, target_id, target_field, new_value, claims);
    WHEN 'soil_model', 'fop_curve', 'grid_assessment' THEN
        SELECT k.site INTO found_site FROM terrovane.content k
            WHERE k.kind = 'analysis' AND k.body->>'uuid' = target_id::text LIMIT 1;
        IF NOT FOUND THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the analysis is not on the server';
        END IF;
        RETURN found_site;
    ELSE
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a kind of thing the team shares';
    END CASE;
END
$$;

-- A thing moved to another site takes what belongs to it along: a point its assignments and the results
-- and traverses typed at it, an assignment its result's note, a typed result its visit.
CREATE OR REPLACE FUNCTION terrovane.place(target_kind text, target_id uuid, new_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    follower record;
BEGIN
    UPDATE terrovane.fields SET site = new_site
        WHERE kind = target_kind AND id = target_id AND site IS DISTINCT FROM new_site;
    IF target_kind = 'point' THEN
        FOR follower IN SELECT a.kind, a.id FROM terrovane.fields a
                        WHERE a.kind IN ('assignment', 'typed_result', 'typed_traverse') AND a.field = 'point'
                          AND a.value = to_jsonb(target_id::text) LOOP
            PERFORM terrovane.place(follower.kind, follower.id, new_site);
        END LOOP;
    ELSIF target_kind = 'typed_result' THEN
        -- A typed result's visit goes where the result's newest version is now.
        FOR follower IN SELECT l.id, terrovane.typed_result_site(l.value #>> '{}') AS site
                        FROM terrovane.fields v
                        JOIN terrovane.fields l ON l.kind = 'typed_visit' AND l.field = 'typed' AND l.value = v.value
                        WHERE v.kind = 'typed_result' AND v.id = target_id AND v.field = 'first_version' LOOP
            PERFORM terrovane.place('typed_visit', follower.id, follower.site);
        END LOOP;
    ELSIF target_kind = 'assignment' THEN
        FOR follower IN SELECT n.id FROM terrovane.fields r
                        JOIN terrovane.fields n ON n.kind = 'note' AND n.field = 'target'
                                                AND n.value = to_jsonb('result:' || (r.value #>> '{}'))
                        WHERE r.kind = 'assignment' AND r.id = target_id AND r.field = 'result' LOOP
            PERFORM terrovane.place('note', follower.id, new_site);
        END LOOP;
    END IF;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.apply_field(change jsonb, from_device uuid, claims jsonb) RETURNS text
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    who name := session_user;
    member text := terrovane.member_role();
    sites uuid[] := terrovane.sites_of(session_user);
    target_kind text := change->>'kind';
    target_id uuid := terrovane.as_uuid(change->>'id');
    target_field text := change->>'field';
    new_value jsonb := coalesce(change->'value', 'null'::jsonb);
    incoming text := terrovane.clamped_stamp(change->>'stamp');
    base text := change->>'base';
    held_site uuid;
    held boolean;
    new_site uuid;
    current terrovane.fields;
BEGIN
    IF target_id IS NULL OR target_field IS NULL OR target_field !~ '^[a-z_]{1,40}$' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a field change names a thing by its id and a field';
    END IF;
    IF octet_length(new_value::text) > 65536 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a field''s value is at most 64 kB';
    END IF;
    new_site := terrovane.site_after(target_kind, target_id, target_field, new_value, claims);
    SELECT f.site INTO held_site FROM terrovane.fields f WHERE f.kind = target_kind AND f.id = target_id LIMIT 1;
    held := FOUND;
    IF held AND NOT terrovane.may_write(member, sites, held_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to change things of this site';
    END IF;
    -- What belongs to no site is its author's (and the admins').
    IF held AND held_site IS NULL AND member <> 'admin'
       AND EXISTS (SELECT 1 FROM terrovane.fields f
                   WHERE f.kind = target_kind AND f.id = target_id AND f.changed_by <> who) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to change what another member made';
    END IF;
    IF target_kind = 'site' AND NOT held AND member IN ('inspector', 'admin')
       AND NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = new_site) THEN
        -- A site the server has not heard of: the inspector's new site, which makes it its member.
        INSERT INTO terrovane.known_sites (id, created_by) VALUES (new_site, who);
        IF member = 'inspector' THEN
            INSERT INTO terrovane.member_sites (login, site) VALUES (who, new_site) ON CONFLICT DO NOTHING;
        END IF;
    ELSIF NOT terrovane.may_write(member, sites, new_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to write into this site';
    END IF;
    SELECT * INTO current FROM terrovane.fields f
        WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field FOR UPDATE;
    IF NOT FOUND THEN
        INSERT INTO terrovane.fields (kind, id, field, site, value, stamp, device, changed_by)
            VALUES (target_kind, target_id, target_field, new_site, new_value, incoming, from_device, who);
        IF held AND held_site IS DISTINCT FROM new_site THEN
            PERFORM terrovane.place(target_kind, target_id, new_site);
        END IF;
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF incoming = current.stamp THEN
        RETURN 'known';
    END IF;
    IF incoming > current.stamp THEN
        UPDATE terrovane.fields f
            SET value = new_value, stamp = incoming, device = from_device, changed_by = who
            WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field;
        IF held_site IS DISTINCT FROM new_site THEN
            PERFORM terrovane.place(target_kind, target_id, new_site);
        END IF;
        IF base IS DISTINCT FROM current.stamp AND current.value IS DISTINCT FROM new_value THEN
            INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, kept_by, lost_value,
                                             lost_stamp, lost_by)
                VALUES (target_kind, target_id, target_field, new_site, new_value, incoming, who,
                        current.value, current.stamp, current.changed_by);
        END IF;
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF current.value IS DISTINCT FROM new_value THEN
        INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, kept_by, lost_value,
                                         lost_stamp, lost_by)
            VALUES (target_kind, target_id, target_field, current.site, current.value, current.stamp,
                    current.changed_by, new_value, incoming, who);
    END IF;
    RETURN 'superseded';
END
$$;

-- A read-out's image comes apart from the batch's JSON, as bytes in the push's array of images: the
-- change names it by its place there ("image": n). NULL when the change names no place.
CREATE OR REPLACE FUNCTION terrovane.image_place(change jsonb) RETURNS integer
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE WHEN jsonb_typeof(change->'image') = 'number' AND change->>'image' ~ '^[0-9]{1,6}$'
                THEN (change->>'image')::integer END
$$;

-- Whether a content change may go in, and as what: its body made whole and the site the server gives
-- it. A read-out's key must be the digest of its time, port and image; it belongs to no site (its
-- results' assignments place it). A stored analysis goes to the site of the point it is kept with, else
-- to the site its body names, and the sender must write there.
CREATE OR REPLACE FUNCTION terrovane.checked_content(change jsonb, picture bytea, member text, sites uuid[],
                                                    OUT problem_state text, OUT problem text,
                                                    OUT site uuid, OUT body jsonb)
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    content_key text := change->>'key';
    image bytea;
BEGIN
    IF member NOT IN ('inspector', 'admin') THEN
        problem_state := '42501';
        problem := 'no right to add read-outs or analyses';
        RETURN;
    END IF;
    IF NOT terrovane.is_content_key(content_key) THEN
        problem_state := '22023';
        problem := 'a content key is a digest in hex';
        RETURN;
    END IF;
    -- The read-out's body made whole: its JSON with the image in hex. A batch kept by an earlier version
    -- carries the image in its body already.
    body := CASE WHEN NOT change ? 'image' THEN change->'body'
                 WHEN picture IS NOT NULL THEN change->'body' || jsonb_build_object('image', encode(picture, 'hex'))
            END;
    IF body IS NULL OR jsonb_typeof(body) <> 'object' THEN
        problem_state := '22023';
        problem := 'the content''s body is missing';
        RETURN;
    END IF;
    IF octet_length(body::text) > 4194304 THEN
        problem_state := '54000';
        problem := 'a content''s body is at most 4 MB';
        RETURN;
    END IF;
    IF change->>'kind' = 'readout' THEN
        image := coalesce(picture,
                          CASE WHEN length(body->>'image') = 14400 AND body->>'image' ~ '^[0-9a-f]*$'
                               THEN decode(body->>'image', 'hex') END);
        IF image IS NULL OR length(image) <> 7200 OR body->>'read_at' IS NULL OR body->>'port' IS NULL
           OR encode(sha256(convert_to((body->>'read_at') || E'\n' || (body->>'port') || E'\n', 'UTF8') || image),
                     'hex') <> content_key THEN
            problem_state := '22023';
            problem := 'the key is not the read-out''s digest';
            RETURN;
        END IF;
        site := NULL;
        RETURN;
    END IF;
    IF change->>'kind' <> 'analysis' THEN
        problem_state := '22023';
        problem := 'content is a read-out or a stored analysis';
        RETURN;
    END IF;
    IF terrovane.as_uuid(body->>'uuid') IS NULL THEN
        problem_state := '22023';
        problem := 'an analysis names itself by its id';
        RETURN;
    END IF;
    IF terrovane.as_uuid(body->>'point') IS NOT NULL THEN
        SELECT f.site INTO site FROM terrovane.fields f
            WHERE f.kind = 'point' AND f.id = terrovane.as_uuid(body->>'point') LIMIT 1;
    ELSE
        SELECT f.site INTO site FROM terrovane.fields f
            WHERE f.kind = 'site' AND f.id = terrovane.as_uuid(body->>'site') LIMIT 1;
    END IF;
    IF site IS NULL THEN
        problem_state := '23503';
        problem := 'the analysis''s site or point is not on the server';
    ELSIF NOT terrovane.may_write(member, sites, site) THEN
        problem_state := '42501';
        problem := 'no right to write into this site';
    END IF;
END
$$;

-- One field change applied in a savepoint of its own: refused (rights, form, a constraint), it is answered
-- as rejected with the reason, and the batch goes on.
CREATE OR REPLACE FUNCTION terrovane.field_outcome(change jsonb, change_index integer, from_device uuid, claims jsonb)
RETURNS jsonb
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF change->>'type' IS DISTINCT FROM 'field' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a change is of type field or content';
    END IF;
    RETURN jsonb_build_object('index', change_index, 'outcome', terrovane.apply_field(change, from_device, claims));
EXCEPTION WHEN insufficient_privilege OR integrity_constraint_violation OR data_exception
               OR invalid_parameter_value OR invalid_text_representation OR program_limit_exceeded THEN
    RETURN jsonb_build_object('index', change_index, 'outcome', 'rejected', 'sqlstate', SQLSTATE, 'reason',
                              SQLERRM);
END
$$;

-- The answer: {"status": "applied", "batch": N, "changes": [{"index", "outcome", "sqlstate", "reason"}]},
-- {"status": "gap", "expected": N}, {"status": "layout", "server": N}, {"status": "other_login"} (the
-- device is another login's) or {"status": "copied"} (this number came before with other changes: a
-- copied or restored archive, which takes a new device id and sends its changes again); nothing is
-- applied but with "applied".
CREATE OR REPLACE FUNCTION terrovane.push(client_layout integer, from_device uuid, batch_number bigint,
                                          batch_changes jsonb, images bytea[] DEFAULT NULL)
RETURNS jsonb
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp SET work_mem = '64MB'
    SET lock_timeout = '60s'
AS $$
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
    batch_digest text;
    stored record;
    expected bigint;
    claims jsonb;
    change jsonb;
    position integer;
    outcomes jsonb[] := '{}';
    added_outcomes jsonb[];
    answer jsonb;
BEGIN
    IF client_layout IS DISTINCT FROM terrovane.layout() THEN
        RETURN jsonb_build_object('status', 'layout', 'server', terrovane.layout());
    END IF;
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    IF from_device IS NULL OR batch_number IS NULL OR batch_number < 1 OR jsonb_typeof(batch_changes) <> 'array'
    THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a batch is a device, a number and an array of changes';
    END IF;
    IF jsonb_array_length(batch_changes) > 20000 OR coalesce(cardinality(images), 0) > 5000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a batch holds at most 20000 changes and 5000 images';
    END IF;
    IF terrovane.device_owner(from_device) <> who THEN
        RETURN jsonb_build_object('status', 'other_login');
    END IF;
    -- One batch of a device at a time: a second copy waits for the first, then finds its answer. Then the
    -- change log's lock, taken here before any row so that pushes never wait for each other in a circle.
    PERFORM pg_advisory_xact_lock(hashtextextended('terrovane.device:' || from_device::text, 0));
    PERFORM terrovane.lock_change_log();
    batch_digest := encode(sha256(convert_to(
        (SELECT coalesce(jsonb_agg(c - 'body' - 'image' ORDER BY n), '[]')
         FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n))::text, 'UTF8')), 'hex');
    SELECT b.answer, b.digest INTO stored FROM terrovane.batches b
        WHERE b.device = from_device AND b.batch = batch_number;
    IF FOUND THEN
        IF stored.digest IS NULL OR stored.digest = batch_digest THEN
            RETURN stored.answer;
        END IF;
        RETURN jsonb_build_object('status', 'copied', 'batch', batch_number);
    END IF;
    SELECT coalesce(max(b.batch), 0) + 1 INTO expected FROM terrovane.batches b WHERE b.device = from_device;
    IF batch_number <> expected THEN
        RETURN jsonb_build_object('status', 'gap', 'expected', expected);
    END IF;
    PERFORM set_config('terrovane.device', from_device::text, true);
    -- Places first (a stored analysis goes to its point's site), then the content, then what refers to
    -- content (a stored analysis's deletion).
    SELECT coalesce(jsonb_object_agg((c->>'kind') || ':' || (c->>'id') || ':' || (c->>'field'), c->'value'), '{}')
        INTO claims
        FROM jsonb_array_elements(batch_changes) AS c
        WHERE c->>'type' = 'field' AND c->>'kind' IS NOT NULL AND c->>'id' IS NOT NULL AND c->>'field' IS NOT NULL;
    FOR change, position IN
        SELECT c, n - 1 FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        WHERE c->>'type' IS DISTINCT FROM 'content'
          AND coalesce(c->>'kind', '') <> ALL (ARRAY['soil_model', 'fop_curve', 'grid_assessment'])
    LOOP
        outcomes := outcomes || terrovane.field_outcome(change, position, from_device, claims);
    END LOOP;
    -- All the batch's content in one statement (a first sync brings thousands), each checked first.
    -- The images are gone through once: an element of an array of bytes is found by walking from its start.
    WITH pictures AS MATERIALIZED (
        SELECT u.n::integer AS place, u.picture FROM unnest(images) WITH ORDINALITY AS u(picture, n)),
    checked AS MATERIALIZED (
        SELECT e.n - 1 AS position, e.c, k.*
        FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        LEFT JOIN pictures p ON p.place = terrovane.image_place(e.c)
        CROSS JOIN LATERAL terrovane.checked_content(e.c, p.picture, member, sites) k
        WHERE e.c->>'type' = 'content'),
    added AS (
        INSERT INTO terrovane.content (kind, key, site, body, added_by)
            SELECT DISTINCT ON (c->>'kind', c->>'key') c->>'kind', c->>'key', checked.site, checked.body, who
            FROM checked WHERE problem IS NULL
            ON CONFLICT (kind, key) DO NOTHING
            RETURNING kind, key)
    SELECT coalesce(array_agg(jsonb_strip_nulls(jsonb_build_object(
               'index', checked.position,
               'outcome', CASE WHEN checked.problem IS NOT NULL THEN 'rejected'
                               WHEN a.key IS NOT NULL THEN 'applied'
                               ELSE 'known' END,
               'sqlstate', checked.problem_state, 'reason', checked.problem))), '{}')
        INTO added_outcomes
        FROM checked LEFT JOIN added a ON a.kind = checked.c->>'kind' AND a.key = checked.c->>'key';
    outcomes := outcomes || added_outcomes;
    FOR change, position IN
        SELECT c, n - 1 FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        WHERE c->>'type' IS DISTINCT FROM 'content'
          AND c->>'kind' = ANY (ARRAY['soil_model', 'fop_curve', 'grid_assessment'])
    LOOP
        outcomes := outcomes || terrovane.field_outcome(change, position, from_device, claims);
    END LOOP;
    answer := jsonb_build_object('status', 'applied', 'batch', batch_number, 'changes',
        (SELECT coalesce(jsonb_agg(o ORDER BY (o->>'index')::integer), '[]') FROM unnest(outcomes) AS o));
    INSERT INTO terrovane.batches (device, batch, login, answer, digest)
        VALUES (from_device, batch_number, who, answer, batch_digest);
    RETURN answer;
END
$$;

-- The login a device belongs to: the first that synced it.
CREATE OR REPLACE FUNCTION terrovane.device_owner(archive_device uuid) RETURNS name
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    owner_login name;
BEGIN
    INSERT INTO terrovane.devices (device, login) VALUES (archive_device, session_user)
        ON CONFLICT (device) DO NOTHING;
    SELECT d.login INTO owner_login FROM terrovane.devices d WHERE d.device = archive_device;
    RETURN owner_login;
END
$$;
