-- Who may read and write what, and the checks every way in shares. Each function names every object by its
-- schema and runs with a fixed path: a name is never looked up where a member could have put something.

CREATE OR REPLACE FUNCTION terrovane.layout() RETURNS integer
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT value::integer FROM terrovane.meta WHERE key = 'layout' $$;

-- A client of another layout must not read or write: the answer says which side to update.
CREATE OR REPLACE FUNCTION terrovane.require_layout(client_layout integer) RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    server_layout integer := terrovane.layout();
BEGIN
    IF client_layout IS DISTINCT FROM server_layout THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the team server''s layout is %s, this program''s %s: %s', server_layout,
                             client_layout, CASE WHEN client_layout < server_layout THEN 'update this program'
                                                 ELSE 'the office runs "terrovane-cli team upgrade"' END);
    END IF;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.role_of(who name) RETURNS text
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT role FROM terrovane.members WHERE login = who $$;

-- The member's role, or an error for a login outside the team.
CREATE OR REPLACE FUNCTION terrovane.member_role() RETURNS text
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_role text := terrovane.role_of(session_user);
BEGIN
    IF found_role IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'not a member of the team';
    END IF;
    RETURN found_role;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.sites_of(who name) RETURNS uuid[]
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT coalesce(array_agg(site ORDER BY site), '{}') FROM terrovane.member_sites WHERE login = who $$;

-- Reading: admins everything; others the sites they are members of, and what belongs to no site only
-- when they made it themselves.
CREATE OR REPLACE FUNCTION terrovane.may_read(member_role text, member_sites uuid[], who name, row_site uuid,
                                              row_author name) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT member_role = 'admin' OR (row_site IS NOT NULL AND row_site = ANY (member_sites))
           OR (row_site IS NULL AND row_author = who)
$$;

-- Writing: admins everything; inspectors their sites and what belongs to no site; viewers nothing.
CREATE OR REPLACE FUNCTION terrovane.may_write(member_role text, member_sites uuid[], row_site uuid)
RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT member_role = 'admin'
           OR (member_role = 'inspector' AND (row_site IS NULL OR row_site = ANY (member_sites)))
$$;

CREATE OR REPLACE FUNCTION terrovane.now_millis() RETURNS bigint
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$ SELECT (extract(epoch FROM clock_timestamp()) * 1000)::bigint $$;

-- "001733745600123-00002-<device>". A stamp more than five minutes ahead of the server's clock is brought
-- back to the server's clock: a laptop (or a member) whose clock runs ahead must not win every later edit
-- and drag every PC's clock after it.
CREATE OR REPLACE FUNCTION terrovane.clamped_stamp(stamp text) RETURNS text
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    limit_millis bigint := terrovane.now_millis() + 300000;
BEGIN
    IF stamp IS NULL OR stamp !~* '^[0-9]{15}-[0-9]{5}-[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
    THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a change stamp';
    END IF;
    IF left(stamp, 15)::bigint > limit_millis THEN
        RETURN lpad(terrovane.now_millis()::text, 15, '0') || substr(stamp, 16);
    END IF;
    RETURN stamp;
END
$$;

-- A content key is the digest's hex, nothing else.
CREATE OR REPLACE FUNCTION terrovane.is_content_key(key text) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT key IS NOT NULL AND key ~ '^[0-9a-f]{64}$' $$;

CREATE OR REPLACE FUNCTION terrovane.as_uuid(text_value text) RETURNS uuid
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE WHEN text_value ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
                THEN text_value::uuid END
$$;

-- Writers of the change log take this lock first and keep it to their commit, so the log's numbers are
-- handed out in commit order. The lock is the team database's own: nothing else on the server takes it.
CREATE OR REPLACE FUNCTION terrovane.lock_change_log() RETURNS void
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$ SELECT pg_catalog.pg_advisory_xact_lock(pg_catalog.hashtextextended('terrovane.changes', 0)) $$;

-- The site a stored result is assigned to, as the server holds it.
CREATE OR REPLACE FUNCTION terrovane.result_site(result_key text) RETURNS uuid
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT site FROM terrovane.fields
    WHERE kind = 'assignment' AND field = 'result' AND value = to_jsonb(result_key) LIMIT 1
$$;
